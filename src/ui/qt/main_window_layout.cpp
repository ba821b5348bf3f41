// The widgets of frmMain: the menus, the tab strip with its six frames, the summary
// panel, the command buttons, the file name and the progress bar. The tab order follows
// the order in which the fields are made: each frame top to bottom.

#include "list_combo.h"
#include "main_window.h"

#include "model/print_font.h"

#include <QAction>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace payvanta::ui::qt {

namespace {

int charWidth(const QWidget* w, int chars) {
    return w->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12;
}

QLabel* fieldLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QString motionText(Motion m) {
    const auto name = motionName(m);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

QAction* MainWindow::menuItem(QMenu* menu, const QString& caption, const QString& name, int index) {
    auto* action = menu->addAction(caption);
    registerControl(index == 0 && name != QLatin1String("mnuFont")
                        ? name
                        : QStringLiteral("%1(%2)").arg(name).arg(index),
                    action);
    bindCommand(action, name, index);
    return action;
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    registerControl(QStringLiteral("mnuFile"), file->menuAction());
    menuItem(file, QStringLiteral("Open New File"), QStringLiteral("mnuOpenNewFile"));
    menuItem(file, QStringLiteral("Open Existing File"), QStringLiteral("mnuOpenExistingFile"));
    menuItem(file, QStringLiteral("Save Data"), QStringLiteral("mnuSaveData"));
    menuItem(file, QStringLiteral("Print Help File"), QStringLiteral("mnuPrintHelpFile"));
    menuItem(file, QStringLiteral("Print Summary"), QStringLiteral("mnuPrintSummary"));
    menuItem(file, QStringLiteral("Print All"), QStringLiteral("mnuPrintAll"));
    file->addSeparator();
    menuItem(file, QStringLiteral("Exit"), QStringLiteral("mnuExit"));

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    registerControl(QStringLiteral("mnuView"), view->menuAction());
    // Opening the menu takes the focus to "Save Data", so that the field being edited is
    // left and runs its check before a report is chosen.
    connect(view, &QMenu::aboutToShow, this, [this] {
        const LeaveChecks::UserMovesFocus leaving(leaveChecks_);
        form_->viewMenuOpened();
    });
    menuItem(view, QStringLiteral("Hoist"), QStringLiteral("mnuHoist"));
    menuItem(view, QStringLiteral("Trolley"), QStringLiteral("mnuTrolley"));
    menuItem(view, QStringLiteral("Bridge"), QStringLiteral("mnuBridge"));
    menuItem(view, QStringLiteral("Inventory"), QStringLiteral("mnuInventory"));
    menuItem(view, QStringLiteral("Maintenance"), QStringLiteral("mnuMaintenance"));
    menuItem(view, QStringLiteral("Energy"), QStringLiteral("mnuEnergy"));
    menuItem(view, QStringLiteral("Summary Savings"), QStringLiteral("mnuSavings"));

    QMenu* fonts = menuBar()->addMenu(QStringLiteral("&Printer-Fonts"));
    registerControl(QStringLiteral("mnuPrinterFonts"), fonts->menuAction());
    for (std::size_t i = 0; i < kPrintFontChoices.size(); ++i) {
        const auto caption = kPrintFontChoices[i].caption;
        QAction* item = menuItem(fonts, QString::fromLatin1(caption.data(), static_cast<qsizetype>(caption.size())),
                                 QStringLiteral("mnuFont"), static_cast<int>(i));
        item->setCheckable(true);
    }
}

QGroupBox* MainWindow::frame(int index, const QString& caption) {
    auto* box = new QGroupBox(caption);
    registerControl(QStringLiteral("Frame1(%1)").arg(index), box);
    return box;
}

QLineEdit* MainWindow::textField(Field field, QGridLayout* grid, int row, int column,
                                 const QString& label, int widthChars) {
    auto* edit = new QLineEdit;
    const ControlRef ref = controlOf(field);
    registerControl(nameOf(ref), edit);
    if (widthChars > 0) {
        edit->setFixedWidth(charWidth(edit, widthChars));
    }
    grid->addWidget(fieldLabel(label, edit), row, column);
    grid->addWidget(edit, row, column + 1, Qt::AlignLeft);
    bindField(edit, ref);
    return edit;
}

ListCombo* MainWindow::listField(Field field, QGridLayout* grid, int row, int column,
                                 const QString& label, int widthChars) {
    auto* combo = new ListCombo;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(20);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(widthChars);
    const ControlRef ref = controlOf(field);
    registerControl(nameOf(ref), combo);
    grid->addWidget(fieldLabel(label, combo), row, column);
    grid->addWidget(combo, row, column + 1, Qt::AlignLeft);
    bindField(combo, ref);
    return combo;
}

QWidget* MainWindow::buildCentre() {
    auto* centre = new QWidget;
    auto* outer = new QVBoxLayout(centre);

    auto* top = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    tabs_ = new QTabBar;
    registerControl(QStringLiteral("TabStrip1"), tabs_);
    // Clicking a tab takes the focus, so the field being edited runs its leave check.
    tabs_->setFocusPolicy(Qt::StrongFocus);
    tabs_->setExpanding(false);
    for (const char* caption : {"Help", "Project Information", "Hoist", "Trolley", "Bridge",
                                "Inventory Costs"}) {
        tabs_->addTab(QString::fromLatin1(caption));
    }
    frames_ = new QStackedWidget;
    frames_->addWidget(buildHelpFrame());
    for (int frame = 2; frame <= 6; ++frame) {
        frames_->addWidget(new QWidget); // the data-entry frames come when first needed
    }
    connect(tabs_, &QTabBar::currentChanged, this,
            [this](int index) { form_->tabClicked(index + 1); });
    left->addWidget(tabs_);
    left->addWidget(frames_, 1);
    top->addLayout(left, 1);
    top->addWidget(buildSummaryPanel(), 0, Qt::AlignTop);
    outer->addLayout(top, 1);
    outer->addWidget(buildCommandButtons());
    outer->addWidget(buildStatusArea());
    return centre;
}

void MainWindow::ensureDataFrames() {
    if (dataFramesMade_) {
        return;
    }
    dataFramesMade_ = true;
    const int shown = frames_->currentIndex();
    QGroupBox* made[] = {buildProjectFrame(), buildMotionFrame(Motion::Hoist),
                         buildMotionFrame(Motion::Trolley), buildMotionFrame(Motion::Bridge),
                         buildInventoryFrame()};
    for (int i = 0; i < 5; ++i) {
        QWidget* placeholder = frames_->widget(i + 1);
        frames_->insertWidget(i + 1, made[i]);
        frames_->removeWidget(placeholder);
        delete placeholder;
        made[i]->setEnabled(pendingFrameEnabled_.value(i + 2, true));
    }
    frames_->setCurrentIndex(shown);
    setTabOrderTopToBottom();
}

void MainWindow::setTabOrderTopToBottom() {
    // The frames were made after the command buttons; the Tab key still goes from the tab
    // strip through each frame's fields top to bottom and then to the buttons.
    QList<QWidget*> order;
    QList<QWidget*> buttons;
    for (QWidget* w : std::as_const(focusOrder_)) {
        (qobject_cast<QPushButton*>(w) != nullptr ? buttons : order).append(w);
    }
    order.append(buttons);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

QGroupBox* MainWindow::buildHelpFrame() {
    QGroupBox* box = frame(1, QStringLiteral("Help Info"));
    auto* layout = new QVBoxLayout(box);
    auto* topics = new QComboBox;
    registerControl(QStringLiteral("cmbHelp"), topics);
    topics->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(topics, qOverload<int>(&QComboBox::activated), this,
            [this](int item) { form_->listItemPicked({ctl::cmbHelp}, item); });
    auto* page = new QPlainTextEdit;
    registerControl(QStringLiteral("txtHelp"), page);
    page->setReadOnly(true);
    page->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A fixed-pitch face keeps the indents of the help pages in line.
    QFont fixed(QStringLiteral("Courier New"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(font().pointSizeF());
    page->setFont(fixed);
    page->setMinimumWidth(page->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 84);
    page->setMinimumHeight(page->fontMetrics().lineSpacing() * 22);
    // The help frame is locked until a project is open, but its page stays readable.
    QPalette readable = page->palette();
    for (const auto role : {QPalette::Text, QPalette::Base, QPalette::WindowText}) {
        readable.setColor(QPalette::Disabled, role, readable.color(QPalette::Active, role));
    }
    page->setPalette(readable);
    layout->addWidget(topics, 0, Qt::AlignLeft);
    layout->addWidget(page, 1);
    return box;
}

QGroupBox* MainWindow::buildProjectFrame() {
    QGroupBox* box = frame(2, QStringLiteral("Project Information"));
    auto* grid = new QGridLayout(box);
    textField(Field::CustName, grid, 0, 0, QStringLiteral("Customer Name"), 44);
    textField(Field::ProjName, grid, 1, 0, QStringLiteral("Project Name"), 44);
    listField(Field::cmbStateKw, grid, 2, 0, QStringLiteral("State (Loads the kW-Hr Rate)"), 14);
    textField(Field::KwHrRate, grid, 3, 0, QStringLiteral("kW-Hr Rate"), 10);
    textField(Field::NumLifts, grid, 4, 0, QStringLiteral("Number of Lifts per Turn"), 10);
    textField(Field::MaintPerHour, grid, 5, 0, QStringLiteral("Maintenance Labor Rate per Hour"), 10);

    // Kept for the files of earlier versions; nobody types in it.
    auto* life = new QLineEdit;
    registerControl(QStringLiteral("txtElectricalLife"), life);
    auto* lifeLabel = fieldLabel(QStringLiteral("Electrical Life"), life);
    grid->addWidget(lifeLabel, 6, 0);
    grid->addWidget(life, 6, 1);
    bindField(life, {ctl::txtElectricalLife});
    life->hide();
    lifeLabel->hide();

    grid->setColumnStretch(2, 1);
    grid->setRowStretch(7, 1);
    return box;
}

QGroupBox* MainWindow::buildMotionFrame(Motion m) {
    const int index = m == Motion::Hoist ? 3 : m == Motion::Trolley ? 4 : 5;
    // The trolley's frame has always been captioned "Trolly".
    const QString caption = m == Motion::Trolley ? QStringLiteral("Trolly") : motionText(m);
    QGroupBox* box = frame(index, caption);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);

    ListCombo* motor =
        listField(motorField(m), grid, 0, 0, motionText(m) + QStringLiteral(" Motor"), 52);
    grid->removeWidget(motor);
    grid->addWidget(motor, 0, 1, 1, 3, Qt::AlignLeft);
    if (m == Motion::Hoist) {
        motor->setToolTip(QStringLiteral("This will overwrite the Nema Size."));
    }

    const bool hoist = m == Motion::Hoist;
    textField(numMotorField(m), grid, 1, 0, QStringLiteral("No. of Motors"), 8);
    textField(motorVoltsField(m), grid, 2, 0, QStringLiteral("Motor Volts"), 8);
    textField(motorFLCAmpsField(m), grid, 3, 0, QStringLiteral("Motor FLC Amps"), 8);
    textField(speedField(m), grid, 4, 0,
              hoist ? QStringLiteral("Hoist FPM") : QStringLiteral("Travel FPM"), 8);
    textField(distanceField(m), grid, 5, 0,
              hoist ? QStringLiteral("Lift Distance in Feet")
                    : QStringLiteral("Travel Distance in Feet"),
              8);
    const char* const ordinals[] = {"1st", "2nd", "3rd", "4th", "5th"};
    for (int step = 1; step <= 5; ++step) {
        QLineEdit* edit = textField(dutyCycleField(m, step), grid, step, 2,
                                    QStringLiteral("Duty Cycle Time, %1").arg(QLatin1String(ordinals[step - 1])),
                                    12);
        if (step == 5) {
            // The fifth step is what remains of the travel time: computed, never typed.
            edit->setEnabled(false);
        }
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(6, 1);
    return box;
}

QGroupBox* MainWindow::buildInventoryFrame() {
    QGroupBox* box = frame(6, QStringLiteral("Inventory Costs"));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);
    QLineEdit* elec = textField(Field::ContactElec, grid, 0, 0,
                                QStringLiteral("Contactor Electrical Tip Life, No. of Operations"), 10);
    grid->removeWidget(elec);
    grid->addWidget(elec, 0, 1, 1, 3, Qt::AlignLeft);

    // Loaded, saved and reported, but not typed in.
    QLineEdit* mech = textField(Field::ContactMech, grid, 1, 0,
                                QStringLiteral("Contactor Mechanical Life, No. of Operations"), 10);
    mech->hide();
    grid->itemAtPosition(1, 0)->widget()->hide();

    const struct {
        Field size;
        Field cost;
        const char* sizeLabel;
        const char* costLabel;
    } rows[] = {
        {Field::HoistNemaSize, Field::ContactHoist, "NEMA Size", "Contact Tips Cost, Hoist"},
        {Field::TrolleyNemaSize, Field::ContactTrolley, "NEMA Size", "Contact Tips Cost, Trolley"},
        {Field::BridgeNemaSize, Field::ContactBridge, "NEMA Size", "Contact Tips Cost, Bridge"},
        {Field::BrakeSize, Field::BrakeShoe, "Brake Size", "Brake Shoe Cost, Hoist"},
    };
    int row = 2;
    for (const auto& r : rows) {
        listField(r.size, grid, row, 0, QLatin1String(r.sizeLabel), 12);
        textField(r.cost, grid, row, 2, QLatin1String(r.costLabel), 10);
        ++row;
    }
    textField(Field::ShoeLife, grid, row, 0, QStringLiteral("Shoe Life in Days"), 10);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(row + 1, 1);
    return box;
}

QWidget* MainWindow::buildSummaryPanel() {
    auto* box = new QGroupBox(QStringLiteral("Real Time Summary"));
    box->setObjectName(QStringLiteral("fraRealTimeSummary"));
    auto* grid = new QGridLayout(box);
    const struct {
        const char* caption;
        const char* name;
    } rows[] = {{"Energy", "lblSummaryEnergy"},
                {"Maintenance", "lblSumaryMaintenance"},
                {"Inventory", "lblSummaryInventory"},
                {"Total", "lblSummaryTotal"}};
    int row = 0;
    for (const auto& r : rows) {
        const bool total = row == 3;
        if (total) {
            auto* rule = new QFrame;
            rule->setFrameShape(QFrame::HLine);
            rule->setFrameShadow(QFrame::Sunken);
            grid->addWidget(rule, row++, 0, 1, 2);
        }
        auto* caption = new QLabel(QLatin1String(r.caption));
        auto* amount = new QLabel;
        registerControl(QLatin1String(r.name), amount);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setMinimumWidth(charWidth(amount, 14));
        amount->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (total) {
            QFont bold = amount->font();
            bold.setBold(true);
            amount->setFont(bold);
            caption->setFont(bold);
        }
        grid->addWidget(caption, row, 0);
        grid->addWidget(amount, row, 1);
        ++row;
    }
    return box;
}

QWidget* MainWindow::buildCommandButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const struct {
        const char* name;
        const char* caption;
        const char* tip;
    } buttons[] = {
        {"cmdNewFile", "New File", "Creates a New Payvanta File."},
        {"cmdExistingFile", "Existing File", "Opens an Existing Payvanta File."},
        {"cmdSaveExcel", "Save Data", "Saves Data to the Current Payvanta File"},
        {"cmdPrintSummary", "Print Summary", "Prints Only the Cost Savings Summary."},
        {"cmdPrintAll", "Print All",
         "Prints the Cost Savings Summary Along With Supporting Information."},
        {"cmdPrintHelp", "Print Help", ""},
        {"cmdRealTimeSummary", "Real Time Summary", ""},
        {"cmdClose", "Close", "Closes the Program"},
    };
    for (const auto& b : buttons) {
        auto* button = new QPushButton(QLatin1String(b.caption));
        registerControl(QLatin1String(b.name), button);
        if (*b.tip != '\0') {
            button->setToolTip(QLatin1String(b.tip));
        }
        button->setAutoDefault(false);
        bindCommand(button, QLatin1String(b.name));
        layout->addWidget(button);
    }
    return row;
}

QWidget* MainWindow::buildStatusArea() {
    auto* area = new QWidget;
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("File Name:"));
    auto* name = new QLabel;
    registerControl(QStringLiteral("lblFileName"), name);
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    progress_ = new QProgressBar;
    registerControl(QStringLiteral("ProgressBar1"), progress_);
    progress_->setRange(0, 100);
    progress_->setMaximumWidth(charWidth(progress_, 24));
    progress_->hide();
    layout->addWidget(caption);
    layout->addWidget(name, 1);
    layout->addWidget(progress_);
    return area;
}

} // namespace payvanta::ui::qt
