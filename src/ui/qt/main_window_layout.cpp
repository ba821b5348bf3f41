// The widgets of frmMain: the menus, the tab strip with its six frames, the summary
// panel, the command buttons, the file name and the progress bar. The tab order follows
// the order in which the fields are made: each frame top to bottom.

#include "list_combo.h"
#include "main_window.h"
#include "model/print_font.h"
#include "spoken_widgets.h"
#include "ui/captions.h"
#include "ui/selection_picks.h"

#include <QAction>
#include <QApplication>
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
#include <QScrollArea>
#include <QShortcut>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

namespace payvanta::ui::qt {

namespace {

// Between a label and its box.
constexpr int kLabelGap = 12;

int charWidth(const QWidget* w, int chars) {
    return w->fontMetrics().horizontalAdvance(QLatin1Char('0')) * chars + 12;
}

QLabel* fieldLabel(const QString& text, QWidget* buddy) {
    auto* label = new QLabel(text);
    label->setBuddy(buddy);
    return label;
}

QString toQt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// What a screen reader says of a field, where its caption does not say it: on the field
// and on its label, since a screen reader names a field by its label where it has one
// (and a list on Linux by its label alone).
void nameForScreenReader(QWidget* field, QLabel* label, ControlRef control) {
    const auto spoken = spokenOf(control);
    if (!spoken || spoken->name.empty()) {
        return;
    }
    field->setAccessibleName(toQt(spoken->name));
    label->setAccessibleName(toQt(spoken->name));
}

} // namespace

QMenu* MainWindow::menu(std::string_view name) {
    // The top menus take their first letter as the key that opens them with Alt.
    QMenu* menu = menuBar()->addMenu(QLatin1Char('&') + captionOf({name}));
    registerControl(nameOf({name}), menu->menuAction());
    return menu;
}

QAction* MainWindow::menuItem(QMenu* menu, ControlRef control) {
    auto* action = menu->addAction(captionOf(control));
    registerControl(nameOf(control), action);
    bindCommand(action, control);
    return action;
}

void MainWindow::buildMenus() {
    QMenu* file = menu(ctl::mnuFile);
    for (const auto name :
         {ctl::mnuOpenNewFile, ctl::mnuOpenExistingFile, ctl::mnuSaveData, ctl::mnuPrintHelpFile,
          ctl::mnuPrintSummary, ctl::mnuPrintAll, ctl::mnuSaveAsPdf, ctl::mnuSaveProposal}) {
        menuItem(file, {name});
    }
    file->addSeparator();
    menuItem(file, {ctl::mnuExit});

    QMenu* view = menu(ctl::mnuView);
    // Opening the menu takes the focus to "Save Data", so that the field being edited is
    // left and runs its check before a report is chosen.
    connect(view, &QMenu::aboutToShow, this, [this] {
        QWidget* field = QApplication::focusWidget();
        const int movesBefore = formFocusMoves_;
        {
            const LeaveChecks::UserMovesFocus leaving(leaveChecks_);
            form_->viewMenuOpened();
        }
        returnAfterView_ =
            formFocusMoves_ != movesBefore && fieldWidgets_.contains(field) ? field : nullptr;
    });
    // Closed without a report chosen: back to the field. A chosen report runs first (see
    // bindCommand), and takes the field on.
    connect(view, &QMenu::aboutToHide, this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                QWidget* field = std::exchange(returnAfterView_, nullptr);
                if (field != nullptr && field->isVisible() && field->isEnabled() &&
                    QApplication::activeModalWidget() == nullptr) {
                    const LeaveChecks::FormMovesFocus moving(leaveChecks_);
                    field->setFocus(Qt::OtherFocusReason);
                }
            },
            Qt::QueuedConnection);
    });
    for (const auto name :
         {ctl::mnuHoist, ctl::mnuTrolley, ctl::mnuBridge, ctl::mnuInventory, ctl::mnuMaintenance,
          ctl::mnuEnergy, ctl::mnuSavings, ctl::mnuBusinessCase}) {
        menuItem(view, {name});
    }

    QMenu* fonts = menu(ctl::mnuPrinterFonts);
    for (std::size_t i = 0; i < kPrintFontChoices.size(); ++i) {
        menuItem(fonts, {ctl::mnuFont, static_cast<int>(i)})->setCheckable(true);
    }
}

QGroupBox* MainWindow::frame(int index) {
    const ControlRef ref{ctl::Frame1, index};
    auto* box = new QGroupBox(captionOf(ref));
    registerControl(nameOf(ref), box);
    return box;
}

QLineEdit* MainWindow::textField(Field field, QGridLayout* grid, int row, int column,
                                 int widthChars) {
    auto* edit = new QLineEdit;
    const ControlRef ref = controlOf(field);
    registerControl(nameOf(ref), edit);
    if (widthChars > 0) {
        edit->setFixedWidth(charWidth(edit, widthChars));
    }
    QLabel* label = fieldLabel(captionOf(ref), edit);
    nameForScreenReader(edit, label, ref);
    grid->addWidget(label, row, column);
    grid->addWidget(edit, row, column + 1, Qt::AlignLeft);
    bindField(edit, ref);
    return edit;
}

ListCombo* MainWindow::listField(Field field, QGridLayout* grid, int row, int column,
                                 int widthChars) {
    auto* combo = new ListCombo;
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    combo->setMaxVisibleItems(20);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(widthChars);
    const ControlRef ref = controlOf(field);
    registerControl(nameOf(ref), combo);
    combo->setToolTip(toolTipOf(ref));
    QLabel* label = fieldLabel(captionOf(ref), combo);
    nameForScreenReader(combo, label, ref);
    grid->addWidget(label, row, column);
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
    registerControl(nameOf({ctl::TabStrip1}), tabs_);
    // Clicking a tab takes the focus, so the field being edited runs its leave check.
    tabs_->setFocusPolicy(Qt::StrongFocus);
    tabs_->setExpanding(false);
    for (int tab = 1; tab <= 6; ++tab) {
        tabs_->addTab(captionOf({ctl::TabStrip1, tab}));
    }
    frames_ = new QStackedWidget;
    frames_->addWidget(buildHelpFrame());
    for (int frame = 2; frame <= 6; ++frame) {
        frames_->addWidget(new QWidget); // the data-entry frames come when first needed
    }
    connect(tabs_, &QTabBar::currentChanged, this,
            [this](int index) { form_->tabClicked(index + 1); });
    // On a screen smaller than the frames, the frames scroll rather than being cut off.
    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("frameScrollArea"));
    scroll->setWidget(frames_);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // The fields inside take the focus; the area itself is no stop of the Tab key.
    scroll->setFocusPolicy(Qt::NoFocus);
    left->addWidget(tabs_);
    left->addWidget(scroll, 1);
    // Ctrl+Tab and Ctrl+PgDn go to the next tab, Ctrl+Shift+Tab and Ctrl+PgUp back, as
    // the field being edited is left.
    const auto stepTab = [this](int step) {
        if (!tabs_->isEnabled() || !leaveCurrentField()) {
            return;
        }
        tabs_->setCurrentIndex((tabs_->currentIndex() + step + tabs_->count()) % tabs_->count());
        // The focus lands on a field of the new page: the page's name is said first.
        notice_->say(tabs_->tabText(tabs_->currentIndex()));
    };
    for (const auto& [keys, step] :
         {std::pair{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
          std::pair{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_Backtab), -1},
          std::pair{QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}}) {
        auto* shortcut = new QShortcut(keys, this);
        connect(shortcut, &QShortcut::activated, this, [stepTab, step = step] { stepTab(step); });
    }
    top->addLayout(left, 1);
    // The summary runs down beside the tabs; the tabs take the width the window gains.
    top->addWidget(buildSummaryPanel());
    outer->addLayout(top, 1);
    outer->addWidget(buildCommandButtons());
    outer->addWidget(buildStatusArea());
    return centre;
}

void MainWindow::ensureFrame(int index) {
    if (index < 2 || index > 6 || frameMade_[index - 1]) {
        return;
    }
    frameMade_[index - 1] = true;
    QGroupBox* made = index == tab::ProjectInformation ? buildProjectFrame()
                      : index == tab::InventoryCosts
                          ? buildInventoryFrame()
                          : buildMotionFrame(kMotions[index - tab::Hoist]);
    const int shown = frames_->currentIndex();
    QWidget* placeholder = frames_->widget(index - 1);
    frames_->insertWidget(index - 1, made);
    frames_->removeWidget(placeholder);
    delete placeholder;
    frames_->setCurrentIndex(shown);
    setTabOrderTopToBottom();

    // What was written to its controls before, in the order written.
    for (auto it = waiting_.begin(); it != waiting_.end();) {
        QObject* target = controls_.value(it.key());
        if (target == nullptr) {
            ++it;
            continue;
        }
        for (const auto& change : it.value()) {
            change(target);
        }
        it = waiting_.erase(it);
    }
    if (allFramesMade()) {
        for (auto it = waiting_.cbegin(); it != waiting_.cend(); ++it) {
            qWarning("Payvanta: no control named %ls", qUtf16Printable(it.key()));
        }
        waiting_.clear();
    }
}

void MainWindow::ensureDataFrames() {
    for (int index = 2; index <= 6; ++index) {
        ensureFrame(index);
    }
}

bool MainWindow::allFramesMade() const {
    return std::all_of(frameMade_.begin(), frameMade_.end(), [](bool made) { return made; });
}

void MainWindow::setTabOrderTopToBottom() {
    // The frames were made after the command buttons; the Tab key still goes from the tab
    // strip through each frame's fields top to bottom and then to the buttons.
    // The summary's amounts, right of the frames, come between them and the buttons.
    QList<QWidget*> order;
    QList<QWidget*> amounts;
    QList<QWidget*> buttons;
    for (QWidget* w : std::as_const(focusOrder_)) {
        (qobject_cast<QPushButton*>(w) != nullptr ? buttons
         : amountCaptions_.contains(w)            ? amounts
                                                  : order)
            .append(w);
    }
    order.append(amounts);
    order.append(buttons);
    for (qsizetype i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

QGroupBox* MainWindow::buildHelpFrame() {
    QGroupBox* box = frame(tab::Help);
    auto* layout = new QVBoxLayout(box);
    auto* topics = new QComboBox;
    registerControl(nameOf({ctl::cmbHelp}), topics);
    topics->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    connect(topics, qOverload<int>(&QComboBox::activated), this,
            [this](int item) { form_->listItemPicked({ctl::cmbHelp}, item); });
    auto* page = new QPlainTextEdit;
    registerControl(nameOf({ctl::txtHelp}), page);
    page->setReadOnly(true);
    page->setLineWrapMode(QPlainTextEdit::NoWrap);
    // A fixed-pitch face keeps the indents of the help pages in line; named by the face
    // that stands in for it where it is missing, which is found at once.
    QFont fixed(QFont::substitute(QStringLiteral("Courier New")));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSizeF(font().pointSizeF());
    // A fixed-pitch face joins and kerns no letters, so its text is laid out without
    // shaping, the dearest part of laying out the first page.
    fixed.setStyleStrategy(QFont::PreferNoShaping);
    page->setFont(fixed);
    page->setMinimumWidth(page->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 84);
    page->setMinimumHeight(page->fontMetrics().lineSpacing() * 22);
    // The help frame is locked until a project is open, but its page stays readable.
    QPalette readable = page->palette();
    for (const auto role : {QPalette::Text, QPalette::Base, QPalette::WindowText}) {
        readable.setColor(QPalette::Disabled, role, readable.color(QPalette::Active, role));
    }
    page->setPalette(readable);
    // The list has no caption on screen; a screen reader names it by a label not shown.
    auto* topicsLabel = fieldLabel(QString(), topics);
    nameForScreenReader(topics, topicsLabel, {ctl::cmbHelp});
    topicsLabel->hide();
    layout->addWidget(topicsLabel);
    layout->addWidget(topics, 0, Qt::AlignLeft);
    layout->addWidget(page, 1);
    return box;
}

QGroupBox* MainWindow::buildProjectFrame() {
    QGroupBox* box = frame(tab::ProjectInformation);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(kLabelGap);
    textField(Field::CustName, grid, 0, 0, 44);
    textField(Field::ProjName, grid, 1, 0, 44);
    listField(Field::cmbStateKw, grid, 2, 0, 14);
    textField(Field::KwHrRate, grid, 3, 0, 10);
    textField(Field::NumLifts, grid, 4, 0, 10);
    textField(Field::MaintPerHour, grid, 5, 0, 10);

    // Kept for the files of earlier versions; nobody types in it.
    auto* life = new QLineEdit;
    registerControl(nameOf({ctl::txtElectricalLife}), life);
    auto* lifeLabel = fieldLabel(captionOf({ctl::txtElectricalLife}), life);
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
    QGroupBox* box = frame(tabOf(m));
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(kLabelGap);

    ListCombo* motor = listField(motorField(m), grid, 0, 0, 52);
    grid->removeWidget(motor);
    grid->addWidget(motor, 0, 1, 1, 3, Qt::AlignLeft);

    textField(numMotorField(m), grid, 1, 0, 8);
    textField(motorVoltsField(m), grid, 2, 0, 8);
    textField(motorFLCAmpsField(m), grid, 3, 0, 8);
    textField(speedField(m), grid, 4, 0, 8);
    textField(distanceField(m), grid, 5, 0, 8);
    for (int step = 1; step <= 5; ++step) {
        QLineEdit* edit = textField(dutyCycleField(m, step), grid, step, 2, 12);
        if (step == 5) {
            // The fifth step is what remains of the travel time: computed, never typed,
            // but reached by the Tab key and read like the others.
            edit->setReadOnly(true);
        }
    }
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(6, 1);
    return box;
}

QGroupBox* MainWindow::buildInventoryFrame() {
    QGroupBox* box = frame(tab::InventoryCosts);
    auto* grid = new QGridLayout(box);
    grid->setHorizontalSpacing(kLabelGap);
    QLineEdit* elec = textField(Field::ContactElec, grid, 0, 0, 10);
    grid->removeWidget(elec);
    grid->addWidget(elec, 0, 1, 1, 3, Qt::AlignLeft);

    // Loaded, saved and reported, but not typed in.
    QLineEdit* mech = textField(Field::ContactMech, grid, 1, 0, 10);
    mech->hide();
    grid->itemAtPosition(1, 0)->widget()->hide();

    int row = 2;
    for (const Field size :
         {Field::HoistNemaSize, Field::TrolleyNemaSize, Field::BridgeNemaSize, Field::BrakeSize}) {
        listField(size, grid, row, 0, 12);
        textField(costFieldOf(size), grid, row, 2, 10);
        ++row;
    }
    textField(Field::ShoeLife, grid, row, 0, 10);
    grid->setColumnStretch(4, 1);
    grid->setRowStretch(row + 1, 1);
    return box;
}

QWidget* MainWindow::buildSummaryPanel() {
    auto* box = new QGroupBox(captionOf({ctl::fraRealTimeSummary}));
    registerControl(nameOf({ctl::fraRealTimeSummary}), box);
    auto* grid = new QGridLayout(box);
    int row = 0;
    for (const auto name : {ctl::lblSummaryEnergy, ctl::lblSumaryMaintenance,
                            ctl::lblSummaryInventory, ctl::lblSummaryTotal}) {
        const bool total = name == ctl::lblSummaryTotal;
        if (total) {
            grid->addWidget(new DividingLine, row++, 0, 1, 2);
        }
        auto* amount = new QLabel;
        auto* caption = fieldLabel(captionOf({name}), amount);
        // Reached by the Tab key and heard as "Total: $1,234.00" (see setText). The flags
        // set a focus policy of their own: the policy comes after them.
        amount->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        amount->setFocusPolicy(Qt::StrongFocus);
        amount->setAccessibleName(caption->text());
        amountCaptions_.insert(amount, caption->text());
        registerControl(nameOf({name}), amount);
        amount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        amount->setMinimumWidth(charWidth(amount, 14));
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
    grid->setRowStretch(row, 1); // the amounts stay at the top
    return box;
}

QWidget* MainWindow::buildCommandButtons() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (const auto name :
         {ctl::cmdNewFile, ctl::cmdExistingFile, ctl::cmdSaveExcel, ctl::cmdPrintSummary,
          ctl::cmdPrintAll, ctl::cmdPrintHelp, ctl::cmdRealTimeSummary, ctl::cmdClose}) {
        auto* button = new QPushButton(captionOf({name}));
        registerControl(nameOf({name}), button);
        button->setToolTip(toolTipOf({name}));
        if (const auto spoken = spokenOf({name}); spoken && !spoken->description.empty()) {
            button->setAccessibleDescription(toQt(spoken->description));
        }
        button->setAutoDefault(false);
        bindCommand(button, {name});
        layout->addWidget(button);
    }
    return row;
}

QWidget* MainWindow::buildStatusArea() {
    auto* area = new QWidget;
    auto* layout = new QHBoxLayout(area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* name = new QLabel;
    auto* caption = fieldLabel(captionOf({ctl::lblFileName}), name);
    registerControl(nameOf({ctl::lblFileName}), name);
    name->setTextInteractionFlags(Qt::TextSelectableByMouse);
    name->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    progress_ = new QProgressBar;
    registerControl(nameOf({ctl::ProgressBar1}), progress_);
    progress_->setRange(0, 100);
    progress_->setMaximumWidth(charWidth(progress_, 24));
    progress_->hide();
    layout->addWidget(caption);
    layout->addWidget(name, 1);
    layout->addWidget(progress_);
    return area;
}

} // namespace payvanta::ui::qt
