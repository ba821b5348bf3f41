#include "support/modal_dialogs.h"
#include "support/qt_test_main.h"
#include "support/scripted_boxes.h"
#include "support/temp_folder.h"

#include "ui/captions.h"
#include "ui/qt/main_window.h"
#include "ui/qt/message_boxes.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTabBar>
#include <QTest>
#include <memory>

using namespace payvanta;
using payvanta::test::ExpectedModal;
using payvanta::test::expectThat;
using payvanta::test::ModalWatchdog;
using payvanta::test::ScriptedBoxes;
using payvanta::ui::qt::MainWindow;

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void every_field_control_carries_its_control_name();
    void every_caption_of_the_table_shows_on_its_control();
    void an_unknown_control_name_is_reported_loudly();
    void the_tab_key_goes_down_each_frame_then_to_the_buttons();
    void hidden_and_computed_boxes_are_present_but_not_usable();
    void the_form_starts_on_the_help_page_with_only_new_existing_and_close();
    void a_help_topic_shows_its_page_in_a_fixed_pitch_font();
    void opening_a_project_fills_fields_and_summary();
    void typing_a_speed_moves_the_summary_at_every_key();
    void the_key_filter_acts_on_real_key_events();
    void a_wrong_value_left_with_tab_gets_its_message_and_the_focus_back();
    void a_check_that_sends_the_focus_back_sets_off_no_other_check();
    void a_tab_click_leaves_the_field_and_runs_its_check();
    void picking_a_motor_fills_volts_amps_nema_size_tip_cost_and_brake();
    void new_file_asks_the_name_and_loads_the_defaults();
    void existing_file_opens_through_the_file_selection_dialog();
    void save_data_writes_the_project_file();
    void close_asks_to_save_and_ends_the_program();
    void closing_the_window_before_any_project_asks_nothing();
    void a_message_box_shows_the_title_an_ok_button_and_no_icon();
    void a_later_copys_project_opens_only_while_none_is_open();
    void opening_the_view_menu_leaves_the_field_being_edited();

private:
    template <typename T>
    T* find(const QString& name) const {
        auto* object = qobject_cast<T*>(window->control(name));
        if (object == nullptr) {
            object = window->findChild<T*>(name);
        }
        return object;
    }
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
    void openExample();
    void focusAndType(QWidget* widget, const QString& keys, bool selectAll = true);

    std::unique_ptr<test::TempFolder> folder;
    std::unique_ptr<ScriptedBoxes> boxes;
    std::unique_ptr<MainWindow> window;
    std::unique_ptr<ModalWatchdog> watchdog;
};

void MainWindowTest::init() {
    folder = std::make_unique<test::TempFolder>();
    test::copyShippedData(folder->path());
    boxes = std::make_unique<ScriptedBoxes>();
    MainWindow::Options options;
    options.programFolder = folder->path();
    options.startFolder = QString::fromStdString(folder->path().string());
    window = std::make_unique<MainWindow>(options, *boxes);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    watchdog = std::make_unique<ModalWatchdog>();
    // A control name the window does not know is a programming error.
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^Payvanta: no ")));
}

void MainWindowTest::cleanup() {
    QCOMPARE(watchdog->takeStrays(), QStringList());
    QCOMPARE(boxes->unexpected, QStringList());
    watchdog.reset();
    window.reset();
    boxes.reset();
    folder.reset();
}

void MainWindowTest::openExample() {
    const QString path =
        QString::fromStdString((folder->path() / "Ladle.QVR").string());
    QFile::copy(QStringLiteral(PAYVANTA_DATA_DIR "/examples/steel-mill-ladle-crane.QVR"), path);
    QVERIFY(window->openProjectFile(path));
}

void MainWindowTest::focusAndType(QWidget* widget, const QString& keys, bool selectAll) {
    auto* tabs = find<QTabBar>(QStringLiteral("TabStrip1"));
    // Show the widget's frame the way a user would: by its tab.
    for (int i = 1; i <= 6; ++i) {
        auto* frame = find<QGroupBox>(QStringLiteral("Frame1(%1)").arg(i));
        if (frame->isAncestorOf(widget) && tabs->currentIndex() != i - 1) {
            tabs->setCurrentIndex(i - 1);
        }
    }
    widget->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(widget->hasFocus());
    if (selectAll) {
        if (auto* line = qobject_cast<QLineEdit*>(widget)) {
            line->selectAll();
        }
    }
    QTest::keyClicks(widget, keys);
}

// ---- The controls ---------------------------------------------------------------------

void MainWindowTest::every_field_control_carries_its_control_name() {
    for (const Field f : allFields()) {
        const ui::ControlRef ref = ui::controlOf(f);
        if (ref.name.empty()) {
            continue; // the print settings have no control
        }
        const QString name = MainWindow::nameOf(ref);
        QObject* control = window->control(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        QCOMPARE(window->findChild<QObject*>(name), control);
        const bool list = ref.name.substr(0, 3) == "cmb";
        QVERIFY2(list ? qobject_cast<QComboBox*>(control) != nullptr
                      : qobject_cast<QLineEdit*>(control) != nullptr,
                 qPrintable(name));
    }
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblSumaryMaintenance")));
    QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblFileName")));
    QVERIFY(window->findChild<QComboBox*>(QStringLiteral("cmbHelp")));
    QVERIFY(window->findChild<QPlainTextEdit*>(QStringLiteral("txtHelp")));
    QCOMPARE(window->objectName(), QStringLiteral("frmMain"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Payvanta"));
}

void MainWindowTest::the_tab_key_goes_down_each_frame_then_to_the_buttons() {
    openExample();
    QLineEdit* distance = edit(QStringLiteral("txtLiftDistanceHoist"));
    focusAndType(distance, QString());
    QTest::keyClick(distance, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget(), edit(QStringLiteral("txtDutyCycleHoist(1)")));
    QLineEdit* fourth = edit(QStringLiteral("txtDutyCycleHoist(4)"));
    fourth->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(fourth, Qt::Key_Tab); // the fifth step is computed: skipped
    // New File and Existing File are disabled with a project open.
    QTRY_COMPARE(QApplication::focusWidget(), find<QWidget>(QStringLiteral("cmdSaveExcel")));
    QCOMPARE(boxes->messages, QStringList());
}

void MainWindowTest::every_caption_of_the_table_shows_on_its_control() {
    // The captions come from one table; each must reach its control in the way that
    // control shows a caption: a label beside a field, a tab's text, a frame's title,
    // a button's text and tool tip, a menu item's text.
    auto* tabs = find<QTabBar>(QStringLiteral("TabStrip1"));
    QCOMPARE(tabs->count(), 6);
    for (const ui::ControlCaption& row : ui::mainFormCaptions()) {
        const QString name = MainWindow::nameOf(row.control);
        const QString caption = QString::fromUtf8(row.caption.data(), row.caption.size());
        const QString tip = QString::fromUtf8(row.toolTip.data(), row.toolTip.size());
        QString shown;
        QString shownTip;
        if (row.control.name == ui::ctl::TabStrip1) {
            shown = tabs->tabText(row.control.index - 1);
        } else if (row.control.name == ui::ctl::frmMain) {
            shown = window->windowTitle();
        } else if (QObject* control = window->control(name)) {
            if (auto* action = qobject_cast<QAction*>(control)) {
                shown = action->text().remove(QLatin1Char('&'));
            } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
                shown = box->title();
            } else if (auto* button = qobject_cast<QPushButton*>(control)) {
                shown = button->text();
                shownTip = button->toolTip();
            } else {
                for (auto* label : window->findChildren<QLabel*>()) {
                    if (label->buddy() == control) {
                        shown = label->text();
                    }
                }
                shownTip = qobject_cast<QWidget*>(control)->toolTip();
            }
        }
        QVERIFY2(shown == caption, qPrintable(name + QStringLiteral(": ") + shown));
        QVERIFY2(shownTip == tip, qPrintable(name + QStringLiteral(": ") + shownTip));
    }
    // A few texts as the user reads them.
    QCOMPARE(find<QGroupBox>(QStringLiteral("Frame1(4)"))->title(), QStringLiteral("Trolly"));
    QCOMPARE(find<QComboBox>(QStringLiteral("cmbHoistMotor"))->toolTip(),
             QStringLiteral("This will overwrite the Nema Size."));
    QCOMPARE(find<QPushButton>(QStringLiteral("cmdPrintAll"))->toolTip(),
             QStringLiteral("Prints the Cost Savings Summary Along With Supporting Information."));
    QVERIFY(find<QAction>(QStringLiteral("mnuFont(10)"))->isCheckable());
}

void MainWindowTest::an_unknown_control_name_is_reported_loudly() {
    QTest::ignoreMessage(QtWarningMsg, "Payvanta: no control named txtNoSuchField");
    QCOMPARE(window->control(QStringLiteral("txtNoSuchField")), nullptr);
}

void MainWindowTest::hidden_and_computed_boxes_are_present_but_not_usable() {
    openExample(); // unlocks the motion frames
    QVERIFY(edit(QStringLiteral("txtContactMech"))->isHidden());
    QVERIFY(edit(QStringLiteral("txtElectricalLife"))->isHidden());
    for (const char* m : {"Hoist", "Trolley", "Bridge"}) {
        QVERIFY(!edit(QStringLiteral("txtDutyCycle%1(5)").arg(QLatin1String(m)))->isEnabled());
        QVERIFY(edit(QStringLiteral("txtDutyCycle%1(4)").arg(QLatin1String(m)))->isEnabled());
    }
}

void MainWindowTest::the_form_starts_on_the_help_page_with_only_new_existing_and_close() {
    auto* frames = window->findChild<QStackedWidget*>();
    QCOMPARE(frames->currentIndex(), 0);
    QVERIFY(find<QTabBar>(QStringLiteral("TabStrip1"))->isEnabled());
    for (const char* on : {"cmdNewFile", "cmdExistingFile", "cmdClose", "cmdPrintHelp"}) {
        QVERIFY2(find<QPushButton>(QLatin1String(on))->isEnabled(), on);
    }
    for (const char* off : {"cmdSaveExcel", "cmdPrintAll", "cmdPrintSummary"}) {
        QVERIFY2(!find<QPushButton>(QLatin1String(off))->isEnabled(), off);
    }
    QVERIFY(!find<QAction>(QStringLiteral("mnuView"))->isEnabled());
    QVERIFY(!find<QAction>(QStringLiteral("mnuSaveData"))->isEnabled());
    QVERIFY(!find<QGroupBox>(QStringLiteral("Frame1(2)"))->isEnabled());
    QVERIFY(!find<QGroupBox>(QStringLiteral("Frame1(6)"))->isEnabled());
    QVERIFY(find<QPlainTextEdit>(QStringLiteral("txtHelp"))
                ->toPlainText()
                .startsWith(QStringLiteral("     Getting Started\n\nWelcome to the Stravolux QVR "
                                           "Payvanta.")));
    QCOMPARE(find<QProgressBar>(QStringLiteral("ProgressBar1"))->isVisible(), false);
}

void MainWindowTest::a_help_topic_shows_its_page_in_a_fixed_pitch_font() {
    openExample(); // unlocks the help frame
    auto* topics = find<QComboBox>(QStringLiteral("cmbHelp"));
    QCOMPARE(topics->count(), 7);
    QCOMPARE(topics->itemText(6), QStringLiteral("Saving and Printing"));
    topics->setCurrentIndex(4);
    emit topics->activated(4);
    auto* page = find<QPlainTextEdit>(QStringLiteral("txtHelp"));
    QVERIFY(page->toPlainText().startsWith(QStringLiteral("     Bridge Tab\n")));
    QVERIFY(QFontInfo(page->font()).fixedPitch());
}

// ---- A project -------------------------------------------------------------------------

void MainWindowTest::opening_a_project_fills_fields_and_summary() {
    openExample();
    QCOMPARE(edit(QStringLiteral("txtCustName"))->text(), QStringLiteral("Great Lakes Steel Works"));
    QCOMPARE(find<QComboBox>(QStringLiteral("cmbHoistMotor"))->currentText(),
             QStringLiteral("Frame 816 Motor 135HP \u00BD Hour Rating"));
    QCOMPARE(edit(QStringLiteral("txtDutyCycleHoist(5)"))->text(), QStringLiteral("91.5"));
    QCOMPARE(find<QLabel>(QStringLiteral("lblSummaryTotal"))->text(), QStringLiteral("$149,478.90"));
    QVERIFY(find<QLabel>(QStringLiteral("lblFileName"))->text().endsWith(QStringLiteral("Ladle.QVR")));
    QVERIFY(!find<QPushButton>(QStringLiteral("cmdNewFile"))->isEnabled());
    QVERIFY(find<QPushButton>(QStringLiteral("cmdSaveExcel"))->isEnabled());
    QVERIFY(find<QAction>(QStringLiteral("mnuFont(0)"))->isChecked());
    QCOMPARE(find<QComboBox>(QStringLiteral("cmbStateKw"))->count(), 52);
}

void MainWindowTest::typing_a_speed_moves_the_summary_at_every_key() {
    openExample();
    auto* total = find<QLabel>(QStringLiteral("lblSummaryTotal"));
    QLineEdit* speed = edit(QStringLiteral("txtHoistFPMHoist"));
    focusAndType(speed, QStringLiteral("3"));
    const QString afterFirst = total->text();
    QCOMPARE(speed->text(), QStringLiteral("3"));
    QVERIFY(afterFirst != QStringLiteral("$149,478.90"));
    QTest::keyClicks(speed, QStringLiteral("0"));
    QCOMPARE(speed->text(), QStringLiteral("30"));
    QVERIFY(total->text() != afterFirst);
    QCOMPARE(edit(QStringLiteral("txtDutyCycleHoist(5)"))->text(), QStringLiteral("75.5"));
}

void MainWindowTest::the_key_filter_acts_on_real_key_events() {
    openExample();
    QLineEdit* rate = edit(QStringLiteral("txtKwHrRate"));
    focusAndType(rate, QStringLiteral("1.2.3"));
    QCOMPARE(rate->text(), QStringLiteral("1.23"));
    QTest::keyClicks(rate, QStringLiteral("ab -"));
    QCOMPARE(rate->text(), QStringLiteral("1.23"));
    QLineEdit* lifts = edit(QStringLiteral("txtNumLifts"));
    focusAndType(lifts, QStringLiteral("0"));
    QTest::keyClick(lifts, Qt::Key_Return);
    QTest::qWait(20);
    QCOMPARE(lifts->text(), QStringLiteral("0"));
    QCOMPARE(boxes->messages, QStringList()); // Enter runs no check
    QCOMPARE(QApplication::focusWidget(), lifts);
}

void MainWindowTest::a_wrong_value_left_with_tab_gets_its_message_and_the_focus_back() {
    openExample();
    QLineEdit* lifts = edit(QStringLiteral("txtNumLifts"));
    focusAndType(lifts, QStringLiteral("0"));
    QTest::keyClick(lifts, Qt::Key_Tab);
    QTRY_COMPARE(boxes->messages,
                 QStringList{"Number of Lifts per Turn must have a value of at least 1."});
    QTRY_COMPARE(QApplication::focusWidget(), lifts);
    QCOMPARE(lifts->text(), QStringLiteral("1"));
    QCOMPARE(find<QTabBar>(QStringLiteral("TabStrip1"))->currentIndex(), 1);
    QTest::qWait(50);
    QCOMPARE(boxes->messages.size(), 1);
}

void MainWindowTest::a_check_that_sends_the_focus_back_sets_off_no_other_check() {
    openExample();
    // The next field in the tab order is empty and was never typed in: leaving it would
    // give a message of its own.
    edit(QStringLiteral("txtLiftDistanceTrolley"))->setText(QString());
    window->form().model().record.set(Field::LiftDistanceTrolley, "");
    QLineEdit* speed = edit(QStringLiteral("txtHoistFPMTrolley"));
    focusAndType(speed, QStringLiteral("0"));
    QTest::keyClick(speed, Qt::Key_Tab);
    QTRY_COMPARE(boxes->messages, QStringList{"Trolley FPM Must Have a Value of at least 1."});
    QTRY_COMPARE(QApplication::focusWidget(), speed);
    QTest::qWait(50);
    QCOMPARE(boxes->messages.size(), 1);
}

void MainWindowTest::a_tab_click_leaves_the_field_and_runs_its_check() {
    openExample();
    QLineEdit* shoeLife = edit(QStringLiteral("txtShoeLife"));
    focusAndType(shoeLife, QStringLiteral("0"));
    auto* tabs = find<QTabBar>(QStringLiteral("TabStrip1"));
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
    QTRY_COMPARE(boxes->messages, QStringList{"Shoe Life must have a value of at least 1."});
    QTRY_COMPARE(QApplication::focusWidget(), shoeLife);
    QCOMPARE(tabs->currentIndex(), 5);
    QCOMPARE(window->findChild<QStackedWidget*>()->currentIndex(), 5);
}

void MainWindowTest::picking_a_motor_fills_volts_amps_nema_size_tip_cost_and_brake() {
    openExample();
    auto* motors = find<QComboBox>(QStringLiteral("cmbHoistMotor"));
    const int item = motors->findText(
        QStringLiteral("Frame 812 Motor 65HP \u00BD Hour Rating ~ 230 ~ 248 ~ 5 ~ 19"));
    QVERIFY(item >= 0);
    focusAndType(motors, QString());
    motors->setCurrentIndex(item);
    emit motors->activated(item);
    QCOMPARE(motors->currentText(), QStringLiteral("Frame 812 Motor 65HP \u00BD Hour Rating"));
    QCOMPARE(edit(QStringLiteral("txtMotorVoltsHoist"))->text(), QStringLiteral("230"));
    QCOMPARE(edit(QStringLiteral("txtMotorFLCAmpsHoist"))->text(), QStringLiteral("248"));
    QCOMPARE(find<QComboBox>(QStringLiteral("cmbHoistNemaSize"))->currentText(), QStringLiteral("5"));
    QCOMPARE(edit(QStringLiteral("txtContactHoist"))->text(), QStringLiteral("750.00"));
    QCOMPARE(find<QComboBox>(QStringLiteral("cmbBrakeSize"))->currentText(), QStringLiteral("19"));
    QCOMPARE(edit(QStringLiteral("txtBrakeShoe"))->text(), QStringLiteral("325.00"));

    // The keyboard picks too: the next item down.
    QTest::keyClick(motors, Qt::Key_Down);
    QCOMPARE(motors->currentText(), QStringLiteral("Frame 814 Motor 100HP \u00BD Hour Rating"));
    QCOMPARE(edit(QStringLiteral("txtMotorFLCAmpsHoist"))->text(), QStringLiteral("382"));
}

// ---- Project commands ------------------------------------------------------------------

void MainWindowTest::new_file_asks_the_name_and_loads_the_defaults() {
    boxes->inputAnswers.push_back(QStringLiteral("Mill 9"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdNewFile")), Qt::LeftButton);
    QCOMPARE(boxes->prompts, QStringList{"Please enter the name of the new file. NOTE: The .QVR "
                                         "file extention will be added for you."});
    QVERIFY(find<QLabel>(QStringLiteral("lblFileName"))->text().endsWith(QStringLiteral("/Mill 9.QVR")));
    QCOMPARE(find<QComboBox>(QStringLiteral("cmbStateKw"))->currentText(), QStringLiteral("PA"));
    QVERIFY(!find<QLabel>(QStringLiteral("lblSummaryTotal"))->text().isEmpty());
    QVERIFY(!find<QPushButton>(QStringLiteral("cmdExistingFile"))->isEnabled());
    QVERIFY(find<QAction>(QStringLiteral("mnuView"))->isEnabled());
    QVERIFY(!find<QProgressBar>(QStringLiteral("ProgressBar1"))->isVisible());
}

void MainWindowTest::existing_file_opens_through_the_file_selection_dialog() {
    const QString path = QString::fromStdString((folder->path() / "Roll Crane.QVR").string());
    QVERIFY(QFile::copy(QStringLiteral(PAYVANTA_DATA_DIR "/examples/paper-mill-roll-crane.QVR"), path));
    ExpectedModal dialog([](QDialog& d, QString& failures) {
        expectThat(d.objectName() == QLatin1String("frmFileSelect"), "not the file dialog", failures);
        auto* files = d.findChild<QListWidget*>(QStringLiteral("File1"));
        auto* ok = d.findChild<QPushButton*>(QStringLiteral("cmdOK"));
        expectThat(!ok->isEnabled(), "OK usable before a file is chosen", failures);
        const auto found = files->findItems(QStringLiteral("Roll Crane.QVR"), Qt::MatchExactly);
        expectThat(found.size() == 1, "the project is not listed", failures);
        if (found.size() == 1) {
            QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                              files->visualItemRect(found.first()).center());
        }
        expectThat(ok->isEnabled(), "OK still disabled", failures);
        QTest::mouseClick(ok, Qt::LeftButton);
    });
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdExistingFile")), Qt::LeftButton);
    QCOMPARE(dialog.failures(), QString());
    QVERIFY(window->isVisible());
    QCOMPARE(edit(QStringLiteral("txtCustName"))->text(), QStringLiteral("Northwoods Paper Company"));
    QCOMPARE(find<QLabel>(QStringLiteral("lblFileName"))->text(), path);
    QVERIFY(find<QAction>(QStringLiteral("mnuFont(2)"))->isChecked()); // Arial 8
}

void MainWindowTest::save_data_writes_the_project_file() {
    openExample();
    QLineEdit* name = edit(QStringLiteral("txtProjName"));
    focusAndType(name, QStringLiteral("Ladle crane 4"));
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdSaveExcel")), Qt::LeftButton);
    QFile saved(QString::fromStdString((folder->path() / "Ladle.QVR").string()));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("\r\nProjName = Ladle crane 4\r\n"));
}

void MainWindowTest::close_asks_to_save_and_ends_the_program() {
    openExample();
    focusAndType(edit(QStringLiteral("txtCustName")), QStringLiteral("Saved at close"));
    boxes->yesNoAnswers.push_back(true);
    QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdClose")), Qt::LeftButton);
    QCOMPARE(boxes->questions, QStringList{"Would you like to save your work?"});
    QTRY_VERIFY(!window->isVisible());
    QFile saved(QString::fromStdString((folder->path() / "Ladle.QVR").string()));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().contains("\r\nCustName = Saved at close\r\n"));
}

void MainWindowTest::closing_the_window_before_any_project_asks_nothing() {
    QVERIFY(window->close());
    QCOMPARE(boxes->questions, QStringList());
}

void MainWindowTest::a_message_box_shows_the_title_an_ok_button_and_no_icon() {
    ui::qt::QtMessageBoxes real;
    ExpectedModal box([](QDialog& d, QString& failures) {
        auto* message = qobject_cast<QMessageBox*>(&d);
        expectThat(message != nullptr, "not a message box", failures);
        if (message == nullptr) {
            return;
        }
        expectThat(message->windowTitle() == QLatin1String("Stravolux_QVR"), "title", failures);
        expectThat(message->icon() == QMessageBox::NoIcon, "icon", failures);
        expectThat(message->standardButtons() == QMessageBox::Ok, "buttons", failures);
        expectThat(message->text() == QLatin1String("Shoe Life must have a value of at least 1."),
                   "text", failures);
        message->accept();
    });
    real.message(window.get(), QStringLiteral("Shoe Life must have a value of at least 1."));
    QCOMPARE(box.failures(), QString());
}

void MainWindowTest::a_later_copys_project_opens_only_while_none_is_open() {
    const QString first = QString::fromStdString((folder->path() / "First.QVR").string());
    const QString second = QString::fromStdString((folder->path() / "Second.QVR").string());
    QVERIFY(QFile::copy(QStringLiteral(PAYVANTA_DATA_DIR "/examples/paper-mill-roll-crane.QVR"), first));
    QVERIFY(QFile::copy(QStringLiteral(PAYVANTA_DATA_DIR "/examples/steel-mill-ladle-crane.QVR"), second));
    window->showMinimized();
    window->comeForward(QString());
    QVERIFY(!window->isMinimized());
    QVERIFY(!window->form().projectOpen());
    window->comeForward(first);
    QCOMPARE(find<QLabel>(QStringLiteral("lblFileName"))->text(), first);
    window->comeForward(second); // one project per run: the first stays
    QCOMPARE(find<QLabel>(QStringLiteral("lblFileName"))->text(), first);
    QCOMPARE(edit(QStringLiteral("txtCustName"))->text(), QStringLiteral("Northwoods Paper Company"));
}

void MainWindowTest::opening_the_view_menu_leaves_the_field_being_edited() {
    openExample();
    QLineEdit* lifts = edit(QStringLiteral("txtNumLifts"));
    focusAndType(lifts, QStringLiteral("0"));
    auto* view = find<QAction>(QStringLiteral("mnuView"))->menu();
    QVERIFY(view != nullptr);
    view->popup(window->mapToGlobal(QPoint(40, 20)));
    QTRY_COMPARE(boxes->messages,
                 QStringList{"Number of Lifts per Turn must have a value of at least 1."});
    view->close();
    QCOMPARE(lifts->text(), QStringLiteral("1"));
}

PAYVANTA_QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
