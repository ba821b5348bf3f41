#include "reports/qt/pdf_target.h"
#include "reports/qt/report_window.h"
#include "support/modal_dialogs.h"
#include "support/qt_test_main.h"
#include "support/scripted_boxes.h"
#include "support/temp_folder.h"
#include "support/window_test.h"
#include "ui/controls.h"
#include "ui/qt/main_window.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <memory>

using namespace payvanta;
using payvanta::reports::qt::ReportWindow;
using payvanta::test::ExpectedModal;
using payvanta::test::expectThat;
using payvanta::test::ModalWatchdog;
using payvanta::test::ScriptedBoxes;
using payvanta::ui::qt::MainWindow;

// The report windows of the View menu, driven from the real main window with the
// steel-mill example open.
class ReportWindowTest : public test::WindowTest {
    Q_OBJECT

private slots:
    void init() {
        QVERIFY(startWindow());
        QVERIFY(openLadle());
    }

    void cleanup() { QCOMPARE(closeWindow(), QStringList()); }

    void each_view_item_opens_its_report_and_back_unloads_it_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<reports::ReportForm>("form");
        using enum reports::ReportForm;
        QTest::newRow("hoist") << "mnuHoist" << Hoist;
        QTest::newRow("trolley") << "mnuTrolley" << Trolley;
        QTest::newRow("bridge") << "mnuBridge" << Bridge;
        QTest::newRow("inventory") << "mnuInventory" << Inventory;
        QTest::newRow("maintenance") << "mnuMaintenance" << Maintenance;
        QTest::newRow("energy") << "mnuEnergy" << EnergySavings;
        QTest::newRow("summary") << "mnuSavings" << Savings;
        QTest::newRow("business case") << "mnuBusinessCase" << BusinessCase;
    }

    // The caption is the page's own; only the summary has the old print form as well.
    void each_view_item_opens_its_report_and_back_unloads_it() {
        QFETCH(QString, item);
        QFETCH(reports::ReportForm, form);
        const QString caption = QString::fromStdString(window->form().reportPage(form).caption);
        const QStringList menus = form == reports::ReportForm::Savings
                                      ? QStringList{"Back", "Print Old", "Print"}
                                      : QStringList{"Back", "Print"};
        const bool motion = form <= reports::ReportForm::Bridge;
        ExpectedModal report([&](QDialog& d, QString& failures) {
            expectThat(!caption.isEmpty() && d.windowTitle() == caption,
                       "caption " + d.windowTitle(), failures);
            expectThat(d.parentWidget() == window.get(), "not owned by the main window", failures);
            QStringList shown;
            for (QAction* action : d.findChild<QMenuBar*>()->actions()) {
                shown << action->text();
                expectThat(action->isEnabled(), action->text() + " disabled", failures);
            }
            expectThat(shown == menus, "menus " + shown.join(QLatin1Char('|')), failures);
            auto* printForm = d.findChild<QPushButton*>(QStringLiteral("cmdPrintForm"));
            expectThat((printForm != nullptr) == motion, "Print Form button", failures);
            expectThat(label(d, "lblDate").endsWith(QLatin1Char(' ')), "date", failures);
            d.findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        });
        trigger(qPrintable(item));
        QCOMPARE(report.failures(), QString());
        QTRY_VERIFY(window->findChildren<ReportWindow*>().isEmpty());
    }

    void values_are_selectable_widgets_found_by_their_control_names() {
        ExpectedModal report([&](QDialog& d, QString& failures) {
            auto* total = d.findChild<QLabel*>(QStringLiteral("txtCostTotal"));
            expectThat(total != nullptr && total->text() == QLatin1String("$1,596.88"), "total",
                       failures);
            expectThat(total != nullptr &&
                           (total->textInteractionFlags() & Qt::TextSelectableByMouse),
                       "not selectable", failures);
        });
        trigger("mnuMaintenance");
        QCOMPARE(report.failures(), QString());
    }

    void escape_closes_the_report_and_the_next_view_computes_it_afresh() {
        QString before;
        ExpectedModal first([&](QDialog& d, QString&) {
            before = label(d, "txtEnergy");
            QTest::keyClick(&d, Qt::Key_Escape);
        });
        trigger("mnuSavings");
        QCOMPARE(first.failures(), QString());
        QTRY_VERIFY(window->findChildren<ReportWindow*>().isEmpty());
        // A changed rate reaches the summary page the next time it is opened.
        auto* rate = find<QLineEdit>(QStringLiteral("txtKwHrRate"));
        rate->setText(QStringLiteral("0.2"));
        window->form().textChanged({"txtKwHrRate"}, "0.2");
        QString energy;
        ExpectedModal second([&](QDialog& d, QString&) { energy = label(d, "txtEnergy"); });
        trigger("mnuSavings");
        QCOMPARE(second.failures(), QString());
        QCOMPARE(before, QStringLiteral("$41,582.02"));
        QCOMPARE(energy, find<QLabel>(QStringLiteral("lblSummaryEnergy"))->text());
        QVERIFY(energy != before);
    }

    void a_page_taller_than_the_screen_scrolls() {
        ExpectedModal report([](QDialog& d, QString& failures) {
            const QRect screen = d.screen()->availableGeometry();
            expectThat(d.height() <= screen.height(), "taller than the screen", failures);
            auto* scroll = d.findChild<QScrollArea*>();
            const bool pageTaller = scroll->widget()->height() > scroll->viewport()->height();
            expectThat(!pageTaller || scroll->verticalScrollBar()->maximum() > 0, "no scrolling",
                       failures);
        });
        trigger("mnuHoist");
        QCOMPARE(report.failures(), QString());
    }

    void print_and_print_form_print_the_page_and_leave_its_screen_font() {
        const auto printouts = folder->path() / "Printouts";
        const auto printer = reports::qt::PdfTarget::inFolder(printouts);
        window->form().setPrinting({printer.get(), {}});
        ExpectedModal report([&](QDialog& d, QString& failures) {
            window->form().command({"mnuFont", 5}); // Arial 12, chosen while the page is open
            d.findChild<QAction*>(QStringLiteral("mnuPrint"))->trigger();
            QTest::mouseClick(d.findChild<QPushButton*>(QStringLiteral("cmdPrintForm")),
                              Qt::LeftButton);
            for (const char* name : {"txtCustomer", "lblCalculations", "txtDccpKWSecH(1)"}) {
                const QFont font = d.findChild<QLabel*>(QLatin1String(name))->font();
                expectThat(font.family() == QLatin1String("MS Sans Serif") && font.pointSize() == 8,
                           QLatin1String(name), failures);
            }
        });
        trigger("mnuHoist");
        QCOMPARE(report.failures(), QString());
        QCOMPARE(QDir(QString::fromStdString(printouts.string()))
                     .entryList({QStringLiteral("*.pdf")})
                     .size(),
                 2);
    }

    void a_cost_typed_in_the_business_case_shows_its_payback_and_is_saved() {
        QString before;
        QString after;
        ExpectedModal report([&](QDialog& d, QString& failures) {
            before = label(d, "txtPayback");
            auto* cost = d.findChild<QLineEdit*>(QStringLiteral("txtCaseDriveCost"));
            // The offscreen platform leaves the main window the focus window; a window
            // manager would give it to the report.
            d.activateWindow();
            expectThat(
                QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == d.windowHandle(); }),
                "the report is not the focus window", failures);
            expectThat(cost != nullptr && cost->hasFocus(), "the cost has no focus", failures);
            QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("298,957.80"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            after = label(d, "txtPayback");
            d.findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        });
        trigger("mnuBusinessCase");
        QCOMPARE(report.failures(), QString());
        QCOMPARE(before, QStringLiteral("no cost entered"));
        QCOMPARE(after, QStringLiteral("2.0 years (2 years)")); // twice the yearly $149,478.90
        trigger("mnuSaveData");
        QFile saved(QString::fromStdString((folder->path() / "Ladle.QVR").string()));
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QVERIFY(saved.readAll().contains("PrintFontSize = 8\r\n\r\n* The business case: retrofit "
                                         "cost, project life, discount rate, CO2 factor.\r\n"
                                         "DriveCost = 298,957.80\r\n"));
    }

    void a_business_case_input_left_outside_its_range_is_refused_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // none: the box is left as typed
        QTest::newRow("a cost too large")
            << "txtCaseDriveCost"
            << "1.7e308"
            << "Drive Hardware must be a number from 0 to 100,000,000.";
        QTest::newRow("a life of no whole years")
            << "txtCaseProjectLife"
            << "2.5"
            << "Project Life must be a whole number from 1 to 100 years.";
        QTest::newRow("a rate at its edge") << "txtCaseDiscountRate"
                                            << "-50"
                                            << "";
    }

    void a_business_case_input_left_outside_its_range_is_refused() {
        QFETCH(QString, box);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        QString focused;
        ExpectedModal report([&](QDialog& d, QString& failures) {
            auto* edit = d.findChild<QLineEdit*>(box);
            d.activateWindow();
            expectThat(
                QTest::qWaitFor([&] { return QGuiApplication::focusWindow() == d.windowHandle(); }),
                "the report is not the focus window", failures);
            edit->setFocus(Qt::MouseFocusReason);
            QTest::keyClicks(edit, typed);
            QTest::keyClick(edit, Qt::Key_Tab);
            // The check runs once the focus has moved on.
            bool checked = false;
            QTimer::singleShot(0, &d, [&checked] { checked = true; });
            expectThat(QTest::qWaitFor([&] { return checked; }), "the event loop stopped",
                       failures);
            focused = QApplication::focusWidget()->objectName();
            d.findChild<QAction*>(QStringLiteral("mnuBack"))->trigger();
        });
        trigger("mnuBusinessCase");
        QCOMPARE(report.failures(), QString());
        QCOMPARE(boxes->messages, message.isEmpty() ? QStringList() : QStringList{message});
        // Refused, the box has the focus again, and what was typed is kept with the project.
        QCOMPARE(focused == box, !message.isEmpty());
        const auto input = ui::caseInputOf({box.toStdString()});
        QCOMPARE(QString::fromStdString(window->form().model().record.businessCase().get(*input)),
                 typed);
    }

    // A page built again with other items than the one shown needs a new sheet; the click
    // that left the input, and so built it, is still under way on the old one.
    void a_page_of_other_items_replaces_the_sheet_once_the_click_is_done() {
        const auto pageOf = [](std::initializer_list<const char*> names) {
            reports::ReportPage page;
            page.form = reports::ReportForm::BusinessCase;
            page.width = 10800;
            page.height = 3000;
            int top = 0;
            for (const char* name : names) {
                reports::ReportItem& item = page.items.emplace_back();
                item.name = name;
                item.kind = reports::ItemKind::Field;
                item.text = name;
                item.top = top += 300;
                item.width = 3000;
                item.height = 255;
            }
            return page;
        };
        ReportWindow report(pageOf({"txtA"}), window.get());
        auto* input = new QLineEdit(&report);
        report.addInputs(input);
        connect(input, &QLineEdit::editingFinished, &report, [&] {
            report.showPage(pageOf({"txtA", "txtB"}));
        });
        report.show();
        report.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&report));
        auto* scroll = report.findChild<QScrollArea*>();
        const QPointer<QWidget> oldSheet = scroll->widget();
        input->setFocus(Qt::MouseFocusReason);
        QTRY_VERIFY(input->hasFocus());
        QTest::keyClicks(input, QStringLiteral("1"));
        QTest::mouseClick(oldSheet->findChild<QLabel*>(QStringLiteral("txtA")), Qt::LeftButton);
        QVERIFY(scroll->widget() != oldSheet);
        QVERIFY(scroll->widget()->findChild<QLabel*>(QStringLiteral("txtB")) != nullptr);
        QCOMPARE(QApplication::focusWidget(), scroll->widget()->findChild<QLabel*>("txtA"));
        QTRY_VERIFY(oldSheet == nullptr);
    }

private:
    QString label(QDialog& d, const char* name) const {
        auto* l = d.findChild<QLabel*>(QLatin1String(name));
        return l != nullptr ? l->text() : QStringLiteral("<none>");
    }
};

PAYVANTA_QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
