#include "support/event_waits.h"
#include "support/modal_dialogs.h"
#include "support/qt_test_main.h"
#include "support/scripted_boxes.h"
#include "support/temp_folder.h"
#include "support/window_test.h"
#include "ui/captions.h"
#include "ui/help_pages.h"
#include "ui/qt/main_window.h"
#include "ui/qt/message_boxes.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
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
using payvanta::test::processPostedEvents;
using payvanta::test::ScriptedBoxes;
using payvanta::ui::qt::MainWindow;

namespace {

QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A help page drawn in the font given, on white.
QImage drawnPage(const QString& text, const QFont& font) {
    QImage image(900, 900, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.drawText(image.rect(), Qt::AlignLeft | Qt::AlignTop, text);
    return image;
}

} // namespace

class MainWindowTest : public test::WindowTest {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(startWindow());
        window->activateWindow();
        // A control name the window does not know is a programming error.
        QTest::failOnWarning(QRegularExpression(QStringLiteral("^Payvanta: no ")));
    }

    void cleanup() { QCOMPARE(closeWindow(), QStringList()); }

    // ---- The controls ---------------------------------------------------------------------

    void every_field_control_carries_its_control_name() {
        for (const Field f : allFields()) {
            const ui::ControlRef ref = ui::controlOf(f);
            if (ref.name.empty()) {
                continue; // the print settings have no control
            }
            const QString name = MainWindow::nameOf(ref);
            QObject* control = window->control(name);
            QVERIFY2(control != nullptr, qPrintable(name));
            QCOMPARE(window->findChild<QObject*>(name), control);
            QVERIFY2(ref.name.starts_with("cmb") ? qobject_cast<QComboBox*>(control) != nullptr
                                                 : qobject_cast<QLineEdit*>(control) != nullptr,
                     qPrintable(name));
        }
        QCOMPARE(window->objectName(), QStringLiteral("frmMain"));
        QVERIFY(window->findChild<QLabel*>(QStringLiteral("lblSumaryMaintenance")));
        QTest::ignoreMessage(QtWarningMsg, "Payvanta: no control named txtNoSuchField");
        QCOMPARE(window->control(QStringLiteral("txtNoSuchField")), nullptr);
    }

    void every_caption_of_the_table_shows_on_its_control() {
        // Each caption reaches its control the way that control shows one: a label beside a
        // field, a tab's text, a frame's title, a button's text and tool tip, a menu item.
        auto* tabs = find<QTabBar>(QStringLiteral("TabStrip1"));
        QCOMPARE(tabs->count(), 6);
        for (const ui::ControlCaption& row : ui::mainFormCaptions()) {
            const QString name = MainWindow::nameOf(row.control);
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
                        shown = label->buddy() == control ? label->text() : shown;
                    }
                    shownTip = qobject_cast<QWidget*>(control)->toolTip();
                }
            }
            QCOMPARE(name + QLatin1Char(' ') + shown, name + QLatin1Char(' ') + qt(row.caption));
            QCOMPARE(name + QLatin1Char(' ') + shownTip, name + QLatin1Char(' ') + qt(row.toolTip));
        }
        QVERIFY(find<QAction>(QStringLiteral("mnuFont(10)"))->isCheckable());
    }

    void the_tab_key_goes_down_each_frame_through_the_computed_step() {
        QVERIFY(openLadle()); // unlocks the motion frames
        QLineEdit* distance = edit(QStringLiteral("txtLiftDistanceHoist"));
        typeInto(distance, QString());
        QTest::keyClick(distance, Qt::Key_Tab);
        QTRY_COMPARE(QApplication::focusWidget(), edit(QStringLiteral("txtDutyCycleHoist(1)")));
        QLineEdit* fourth = edit(QStringLiteral("txtDutyCycleHoist(4)"));
        fourth->setFocus(Qt::OtherFocusReason);
        QTest::keyClick(fourth, Qt::Key_Tab);
        // The fifth step is computed: read, never typed in.
        QTRY_COMPARE(QApplication::focusWidget(), edit(QStringLiteral("txtDutyCycleHoist(5)")));
        QVERIFY(edit(QStringLiteral("txtDutyCycleHoist(5)"))->isReadOnly());
        QVERIFY(edit(QStringLiteral("txtContactMech"))->isHidden());
        QVERIFY(edit(QStringLiteral("txtElectricalLife"))->isHidden());
        QCOMPARE(boxes->messages, QStringList());
    }

    void the_form_starts_on_the_help_page_with_only_the_start_commands() {
        QCOMPARE(window->findChild<QStackedWidget*>()->currentIndex(), 0);
        QVERIFY(find<QPushButton>(QStringLiteral("cmdNewFile"))->isEnabled());
        QVERIFY(!find<QAction>(QStringLiteral("mnuView"))->isEnabled());
        QVERIFY(!find<QGroupBox>(QStringLiteral("Frame1(2)"))->isEnabled());
        QVERIFY(!find<QProgressBar>(QStringLiteral("ProgressBar1"))->isVisible());
        // A topic shows its page, in a fixed-pitch face that keeps the indents in line.
        auto* page = find<QPlainTextEdit>(QStringLiteral("txtHelp"));
        auto* topics = find<QComboBox>(QStringLiteral("cmbHelp"));
        topics->setCurrentIndex(4);
        emit topics->activated(4);
        QVERIFY(page->toPlainText().startsWith(QStringLiteral("     Bridge Tab\n")));
        QVERIFY(QFontInfo(page->font()).fixedPitch());
        // Laid out without shaping, every page comes out as shaped text would.
        QFont shaped = page->font();
        shaped.setStyleStrategy(QFont::PreferDefault);
        QVERIFY(page->font().styleStrategy() & QFont::PreferNoShaping);
        for (int topic = 0; topic < int(ui::kHelpTopics.size()); ++topic) {
            const QString text = qt(ui::helpPage(topic, "\n"));
            QVERIFY2(drawnPage(text, page->font()) == drawnPage(text, shaped),
                     ui::kHelpTopics[topic].data());
        }
    }

    // ---- A project -------------------------------------------------------------------------

    void opening_a_project_fills_the_widgets_and_each_typed_key_is_filtered_and_counted() {
        QVERIFY(openLadle());
        QCOMPARE(edit(QStringLiteral("txtCustName"))->text(),
                 QStringLiteral("Great Lakes Steel Works"));
        QCOMPARE(find<QComboBox>(QStringLiteral("cmbHoistMotor"))->currentText(),
                 QStringLiteral("Frame 816 Motor 135HP \u00BD Hour Rating"));
        auto* total = find<QLabel>(QStringLiteral("lblSummaryTotal"));
        QCOMPARE(total->text(), QStringLiteral("$149,478.90"));
        QCOMPARE(find<QLabel>(QStringLiteral("lblFileName"))->text(), path("Ladle.QVR"));
        QVERIFY(find<QPushButton>(QStringLiteral("cmdSaveExcel"))->isEnabled());

        // A key typed reaches the form at once: the summary moves.
        typeInto(edit(QStringLiteral("txtHoistFPMHoist")), QStringLiteral("3"));
        QVERIFY(total->text() != QStringLiteral("$149,478.90"));

        // The key filter: a second point and letters never reach the field; Enter runs no check.
        QLineEdit* rate = edit(QStringLiteral("txtKwHrRate"));
        typeInto(rate, QStringLiteral("1.2.3ab -"));
        QApplication::clipboard()->setText(QStringLiteral("9x")); // a paste is a key it refuses
        QTest::keyClick(rate, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(rate->text(), QStringLiteral("1.23"));
        QLineEdit* lifts = edit(QStringLiteral("txtNumLifts"));
        typeInto(lifts, QStringLiteral("0"));
        QTest::keyClick(lifts, Qt::Key_Return);
        QVERIFY(processPostedEvents());
        QCOMPARE(lifts->text(), QStringLiteral("0"));
        QCOMPARE(boxes->messages, QStringList());
        QCOMPARE(QApplication::focusWidget(), lifts);
    }

    // Opening a project makes only the frame it shows; the others wait for their tab, and
    // then show what the project wrote to them meanwhile (texts, list items, enabled state).
    void a_frame_is_made_when_its_tab_is_first_shown_with_what_was_written_to_it() {
        QVERIFY(openLadle());
        QVERIFY(window->findChild<QLineEdit*>(QStringLiteral("txtContactElec")) == nullptr);
        QVERIFY(window->findChild<QComboBox*>(QStringLiteral("cmbHoistMotor")) == nullptr);

        window->findChild<QTabBar*>(QStringLiteral("TabStrip1"))
            ->setCurrentIndex(ui::tab::Hoist - 1);
        auto* motor = window->findChild<QComboBox*>(QStringLiteral("cmbHoistMotor"));
        QVERIFY(motor != nullptr && motor->isVisible());
        QCOMPARE(motor->currentText(), QStringLiteral("Frame 816 Motor 135HP \u00BD Hour Rating"));
        QVERIFY(motor->count() > 1);
        QCOMPARE(window->findChild<QLineEdit*>(QStringLiteral("txtHoistFPMHoist"))->text(),
                 QStringLiteral("25"));
        QVERIFY(window->findChild<QGroupBox*>(QStringLiteral("Frame1(3)"))->isEnabled());
        QVERIFY(window->findChild<QLineEdit*>(QStringLiteral("txtContactElec")) == nullptr);

        window->findChild<QTabBar*>(QStringLiteral("TabStrip1"))
            ->setCurrentIndex(ui::tab::InventoryCosts - 1);
        auto* tipLife = window->findChild<QLineEdit*>(QStringLiteral("txtContactElec"));
        QVERIFY(tipLife != nullptr && tipLife->isVisible());
        QCOMPARE(tipLife->text(), QStringLiteral("100000"));
        QCOMPARE(window->findChild<QComboBox*>(QStringLiteral("cmbBrakeSize"))->currentText(),
                 QStringLiteral("23"));
        QCOMPARE(boxes->messages, QStringList());
    }

    void a_wrong_value_left_by_the_tab_key_or_a_tab_click_gets_its_message_and_the_focus() {
        QVERIFY(openLadle());
        QLineEdit* lifts = edit(QStringLiteral("txtNumLifts"));
        typeInto(lifts, QStringLiteral("0"));
        QTest::keyClick(lifts, Qt::Key_Tab);
        QTRY_COMPARE(boxes->messages,
                     QStringList{"Number of Lifts per Turn must have a value of at least 1."});
        QTRY_COMPARE(QApplication::focusWidget(), lifts);
        QCOMPARE(lifts->text(), QStringLiteral("1"));
        auto* tabs = find<QTabBar>(QStringLiteral("TabStrip1"));
        QCOMPARE(tabs->currentIndex(), 1);
        QVERIFY(processPostedEvents());
        QCOMPARE(boxes->messages.size(), 1);

        QLineEdit* shoeLife = edit(QStringLiteral("txtShoeLife"));
        typeInto(shoeLife, QStringLiteral("0"));
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(2).center());
        QTRY_COMPARE(boxes->messages.last(),
                     QStringLiteral("Shoe Life must have a value of at least 1."));
        QTRY_COMPARE(QApplication::focusWidget(), shoeLife);
        QCOMPARE(tabs->currentIndex(), 5);
        QCOMPARE(window->findChild<QStackedWidget*>()->currentIndex(), 5);
    }

    void a_check_that_sends_the_focus_back_sets_off_no_other_check() {
        QVERIFY(openLadle());
        // The next field in the tab order is empty and was never typed in: leaving it would
        // give a message of its own.
        edit(QStringLiteral("txtLiftDistanceTrolley"))->setText(QString());
        window->form().writeField(Field::LiftDistanceTrolley, "");
        QLineEdit* speed = edit(QStringLiteral("txtHoistFPMTrolley"));
        typeInto(speed, QStringLiteral("0"));
        QTest::keyClick(speed, Qt::Key_Tab);
        QTRY_COMPARE(boxes->messages, QStringList{"Trolley FPM Must Have a Value of at least 1."});
        QTRY_COMPARE(QApplication::focusWidget(), speed);
        QVERIFY(processPostedEvents());
        QCOMPARE(boxes->messages.size(), 1);
    }

    void opening_the_view_menu_leaves_the_field_being_edited() {
        QVERIFY(openLadle());
        QLineEdit* lifts = edit(QStringLiteral("txtNumLifts"));
        typeInto(lifts, QStringLiteral("0"));
        auto* view = find<QAction>(QStringLiteral("mnuView"))->menu();
        view->popup(window->mapToGlobal(QPoint(40, 20)));
        QTRY_COMPARE(boxes->messages,
                     QStringList{"Number of Lifts per Turn must have a value of at least 1."});
        view->close();
        QCOMPARE(lifts->text(), QStringLiteral("1"));
    }

    void picking_a_motor_by_mouse_or_key_fills_its_fields() {
        QVERIFY(openLadle());
        auto* motors = find<QComboBox>(QStringLiteral("cmbHoistMotor"));
        const int item = motors->findText(
            QStringLiteral("Frame 812 Motor 65HP \u00BD Hour Rating ~ 230 ~ 248 ~ 5 ~ 19"));
        QVERIFY(item >= 0);
        typeInto(motors, QString());
        motors->setCurrentIndex(item);
        emit motors->activated(item);
        QCOMPARE(motors->currentText(), QStringLiteral("Frame 812 Motor 65HP \u00BD Hour Rating"));
        QCOMPARE(edit(QStringLiteral("txtMotorFLCAmpsHoist"))->text(), QStringLiteral("248"));
        QTest::keyClick(motors, Qt::Key_Down);
        QCOMPARE(motors->currentText(), QStringLiteral("Frame 814 Motor 100HP \u00BD Hour Rating"));
        QCOMPARE(edit(QStringLiteral("txtMotorFLCAmpsHoist"))->text(), QStringLiteral("382"));
    }

    // ---- Project commands ------------------------------------------------------------------

    void new_file_asks_the_name_and_loads_the_defaults() {
        boxes->inputAnswers.push_back(QStringLiteral("Mill 9"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdNewFile")), Qt::LeftButton);
        QCOMPARE(boxes->prompts,
                 QStringList{"Please enter the name of the new file. NOTE: The .QVR "
                             "file extention will be added for you."});
        QCOMPARE(find<QLabel>(QStringLiteral("lblFileName"))->text(), path("Mill 9.QVR"));
        QCOMPARE(find<QComboBox>(QStringLiteral("cmbStateKw"))->currentText(),
                 QStringLiteral("PA"));
    }

    void existing_file_opens_through_the_file_selection_dialog() {
        QVERIFY(QFile::copy(QStringLiteral(PAYVANTA_DATA_DIR "/examples/paper-mill-roll-crane.QVR"),
                            path("Roll Crane.QVR")));
        ExpectedModal dialog([](QDialog& d, QString& failures) {
            expectThat(d.objectName() == QLatin1String("frmFileSelect"), "not the file dialog",
                       failures);
            auto* files = d.findChild<QListWidget*>(QStringLiteral("File1"));
            const auto found = files->findItems(QStringLiteral("Roll Crane.QVR"), Qt::MatchExactly);
            expectThat(found.size() == 1, "the project is not listed", failures);
            if (found.size() == 1) {
                QTest::mouseClick(files->viewport(), Qt::LeftButton, {},
                                  files->visualItemRect(found.first()).center());
            }
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
        });
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdExistingFile")), Qt::LeftButton);
        QCOMPARE(dialog.failures(), QString());
        QCOMPARE(edit(QStringLiteral("txtCustName"))->text(),
                 QStringLiteral("Northwoods Paper Company"));
        QCOMPARE(find<QLabel>(QStringLiteral("lblFileName"))->text(), path("Roll Crane.QVR"));
        QVERIFY(find<QAction>(QStringLiteral("mnuFont(2)"))->isChecked()); // Arial 8
    }

    void save_data_and_close_write_the_project_file() {
        QVERIFY(openLadle());
        const auto saved = [this] {
            QFile file(path("Ladle.QVR"));
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        };
        typeInto(edit(QStringLiteral("txtProjName")), QStringLiteral("Ladle crane 4"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdSaveExcel")), Qt::LeftButton);
        QVERIFY(saved().contains("\r\nProjName = Ladle crane 4\r\n"));
        typeInto(edit(QStringLiteral("txtCustName")), QStringLiteral("Saved at close"));
        boxes->yesNoAnswers.push_back(true);
        QTest::mouseClick(find<QPushButton>(QStringLiteral("cmdClose")), Qt::LeftButton);
        QCOMPARE(boxes->questions, QStringList{"Would you like to save your work?"});
        QTRY_VERIFY(!window->isVisible());
        QVERIFY(saved().contains("\r\nCustName = Saved at close\r\n"));
    }

    void a_message_box_shows_the_title_an_ok_button_and_no_icon() {
        ui::qt::QtMessageBoxes real;
        ExpectedModal box([](QDialog& d, QString& failures) {
            auto* message = qobject_cast<QMessageBox*>(&d);
            expectThat(
                message != nullptr && message->windowTitle() == QLatin1String("Stravolux_QVR") &&
                    message->icon() == QMessageBox::NoIcon &&
                    message->standardButtons() == QMessageBox::Ok &&
                    message->text() == QLatin1String("Shoe Life must have a value of at least 1."),
                "not the plain message box", failures);
        });
        real.message(window.get(), QStringLiteral("Shoe Life must have a value of at least 1."));
        QCOMPARE(box.failures(), QString());
    }

    void a_later_copys_project_opens_only_while_none_is_open() {
        QVERIFY(QFile::copy(QStringLiteral(PAYVANTA_DATA_DIR "/examples/paper-mill-roll-crane.QVR"),
                            path("First.QVR")));
        QVERIFY(
            QFile::copy(QStringLiteral(PAYVANTA_DATA_DIR "/examples/steel-mill-ladle-crane.QVR"),
                        path("Second.QVR")));
        window->showMinimized();
        window->comeForward(QString());
        QVERIFY(!window->isMinimized());
        QVERIFY(!window->form().projectOpen());
        window->comeForward(path("First.QVR"));
        window->comeForward(path("Second.QVR")); // one project per run: the first stays
        QCOMPARE(find<QLabel>(QStringLiteral("lblFileName"))->text(), path("First.QVR"));
        QCOMPARE(edit(QStringLiteral("txtCustName"))->text(),
                 QStringLiteral("Northwoods Paper Company"));
    }

private:
    QLineEdit* edit(const QString& name) const { return find<QLineEdit>(name); }
};

PAYVANTA_QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
