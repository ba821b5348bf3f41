#include "main_window.h"

#include "business_case_panel.h"
#include "field_events.h"
#include "file_select_dialog.h"
#include "list_combo.h"
#include "reports/qt/qt_text.h"
#include "reports/qt/report_window.h"
#include "spoken_widgets.h"
#include "ui/captions.h"
#include "ui/ui_texts.h"
#include "window_placement.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStatusBar>
#include <QTabBar>
#include <QTimer>
#include <QWindow>

namespace payvanta::ui::qt {

using reports::qt::toQt;
using reports::qt::withLineFeeds;

MainWindow::MainWindow(Options options, MessageBoxes& boxes, QWidget* parent)
    : QMainWindow(parent), options_(std::move(options)), boxes_(boxes) {
    setObjectName(nameOf({ctl::frmMain}));
    setWindowTitle(captionOf({ctl::frmMain}));
    notice_ = new SpokenNotice(this);
    totalSettles_ = new QTimer(this);
    totalSettles_->setSingleShot(true);
    // Long enough that a value typed digit by digit is said once, when it is complete.
    constexpr int kSettleMs = 1000;
    totalSettles_->setInterval(kSettleMs);
    connect(totalSettles_, &QTimer::timeout, this, &MainWindow::sayTotalWhenSettled);
    buildMenus();
    setCentralWidget(buildCentre());
    // The status bar is there from the start, so that its first message takes no room
    // from the tabs; its grip shows that the window can be resized.
    statusBar()->setSizeGripEnabled(true);
    // Room from the start for the data-entry frames, which are made later, so that the
    // window does not grow when a project opens.
    const QFontMetrics metrics = fontMetrics();
    // As large as the frames want, but never larger than the screen, where the frames
    // scroll instead.
    QSize wanted = QSize(metrics.horizontalAdvance(QLatin1Char('0')) * 130,
                         metrics.lineSpacing() * 36 + statusBar()->sizeHint().height())
                       .expandedTo(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        wanted = wanted.boundedTo(screen->availableGeometry().size());
    }
    resize(wanted);
    form_ = std::make_unique<MainForm>(*this, options_.locale, options_.programFolder);
    form_->load();
}

MainWindow::~MainWindow() = default;

QString MainWindow::nameOf(ControlRef control) {
    return QString::fromStdString(controlName(control));
}

QString MainWindow::captionOf(ControlRef control) {
    const auto row = ui::captionOf(control);
    if (!row) {
        qWarning("Payvanta: no caption for the control %s", controlName(control).c_str());
        return {};
    }
    return toQt(row->caption);
}

QString MainWindow::toolTipOf(ControlRef control) {
    const auto row = ui::captionOf(control);
    return row ? toQt(row->toolTip) : QString();
}

void MainWindow::registerControl(const QString& name, QObject* object) {
    object->setObjectName(name);
    controls_.insert(name, object);
    auto* widget = qobject_cast<QWidget*>(object);
    if (widget != nullptr && (widget->focusPolicy() & Qt::TabFocus) != 0) {
        focusOrder_.append(widget);
    }
}

QObject* MainWindow::control(const QString& name) {
    QObject* found = controls_.value(name);
    if (found == nullptr && !allFramesMade()) {
        ensureDataFrames();
        found = controls_.value(name);
    }
    if (found == nullptr) {
        qWarning("Payvanta: no control named %ls", qUtf16Printable(name));
    }
    return found;
}

void MainWindow::write(const QString& name, std::function<void(QObject*)> change) {
    if (QObject* target = controls_.value(name)) {
        change(target);
    } else if (!allFramesMade()) {
        waiting_[name].push_back(std::move(change));
    } else {
        control(name); // unknown: logged
    }
}

void MainWindow::bindField(QWidget* widget, ControlRef control) {
    const std::string name(control.name);
    const int index = control.index;
    FieldEvents::Handlers handlers;
    handlers.keyPressed = [this, name, index](int key) {
        return form_->keyPressed({name, index}, key);
    };
    handlers.left = [this, name, index] {
        leaveChecks_.fieldLeft([this, name, index] { return form_->controlLeft({name, index}); });
    };
    handlers.entered = [this, name, index] { form_->controlEntered({name, index}); };
    handlers.takesPaste = MainForm::takesAnyKey(control);
    new FieldEvents(widget, std::move(handlers));

    fieldWidgets_.insert(widget, {name, index});
    QLineEdit* edit = qobject_cast<QLineEdit*>(widget);
    if (auto* combo = qobject_cast<QComboBox*>(widget)) {
        edit = combo->lineEdit();
        if (edit != nullptr) {
            fieldWidgets_.insert(edit, {name, index});
        }
        connect(combo, qOverload<int>(&QComboBox::activated), this, [this, name, index](int item) {
            userChanged_ = true;
            form_->listItemPicked({name, index}, item);
        });
        if (auto* list = qobject_cast<ListCombo*>(combo)) {
            connect(list, &ListCombo::aboutToOpen, this, [this, name, index] {
                form_->listOpened({name, index});
            });
        }
    }
    if (edit != nullptr) {
        // textEdited is the user's change only; texts written by the form come back
        // through setText and set off nothing here.
        connect(edit, &QLineEdit::textEdited, this, [this, name, index](const QString& text) {
            userChanged_ = true;
            form_->textChanged({name, index}, text.toStdString());
        });
    }
}

void MainWindow::bindCommand(QObject* sender, ControlRef control) {
    const std::string name(control.name);
    const int index = control.index;
    const auto run = [this, name, index] {
        // A command switches off its button while it runs, and Qt then hands the focus on
        // to the next control: afterwards the focus goes back to the control that had it,
        // so that Space repeats the command, unless the form chose where it goes.
        // After the View menu, that is the field the user was in before it.
        QPointer<QWidget> had = QApplication::focusWidget();
        if (returnAfterView_ != nullptr) {
            had = std::exchange(returnAfterView_, nullptr);
        }
        const int movesBefore = formFocusMoves_;
        if (leaveCurrentField()) {
            form_->command({name, index});
        }
        if (had != nullptr && !ending_ && formFocusMoves_ == movesBefore &&
            QApplication::focusWidget() != had && had->isEnabled() && had->isVisible()) {
            const LeaveChecks::FormMovesFocus moving(leaveChecks_);
            had->setFocus(Qt::OtherFocusReason);
        }
    };
    if (auto* action = qobject_cast<QAction*>(sender)) {
        connect(action, &QAction::triggered, this, run);
    } else if (auto* button = qobject_cast<QPushButton*>(sender)) {
        connect(button, &QPushButton::clicked, this, run);
    }
}

bool MainWindow::openProjectFile(const QString& path) {
    if (form_->projectOpen()) {
        return false;
    }
    return form_->openProjectFile(path.toStdString());
}

void MainWindow::comeForward(const QString& projectFile) {
    if (isMinimized()) {
        showNormal();
    }
    raise();
    activateWindow();
    if (projectFile.isEmpty()) {
        return;
    }
    // While a box or a dialog is open, a flow is half way: the project waits until it
    // closes (see event()), and opens then only if no project is open by that time.
    if (QApplication::activeModalWidget() != nullptr) {
        handedOver_ = projectFile;
        return;
    }
    openHandedOver(projectFile);
}

void MainWindow::openHandedOver(const QString& projectFile) {
    if (form_->projectOpen()) {
        showStatus(texts::closeToOpen(projectFile.toStdString()));
        return;
    }
    openProjectFile(projectFile);
}

bool MainWindow::event(QEvent* event) {
    // The main window is no longer blocked: the modal box or dialog has closed.
    if (event->type() == QEvent::WindowUnblocked && !handedOver_.isEmpty()) {
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (QApplication::activeModalWidget() == nullptr && !handedOver_.isEmpty()) {
                    const QString file = std::exchange(handedOver_, QString());
                    openHandedOver(file);
                }
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::event(event);
}

void MainWindow::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!placed_ && !event->spontaneous()) {
        placed_ = true;
        centreOnScreen(this);
        // The window manager draws the frame as the window first shows: once shown, the
        // window is centred again with its frame.
        if (QWindow* handle = windowHandle()) {
            handle->installEventFilter(this);
        }
    }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose &&
        windowHandle()->isExposed()) {
        watched->removeEventFilter(this);
        if (!windowHandle()->frameMargins().isNull()) {
            centreOnScreen(this);
            // A box that opened with the window (the message of a failed open) follows it.
            QWidget* box = QApplication::activeModalWidget();
            if (box != nullptr && box->isVisible() && box->parentWidget() != nullptr &&
                box->parentWidget()->window() == this) {
                centreOver(box, this);
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- The view ---------------------------------------------------------------------

void MainWindow::setText(ControlRef control, std::string_view text) {
    if (control == ControlRef{ctl::lblSummaryTotal}) {
        if (userChanged_) {
            totalSettles_->start();
        } else {
            totalSaid_ = toQt(text);
        }
    }
    write(nameOf(control), [this, value = toQt(text)](QObject* target) {
        if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            if (edit->text() != value) {
                edit->setText(value);
                // A text written by the program shows from its start, minus sign included,
                // unless the user is typing in the field.
                if (!edit->hasFocus()) {
                    edit->setCursorPosition(0);
                }
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(target)) {
            const QSignalBlocker block(combo);
            if (combo->isEditable()) {
                if (combo->currentText() != value) {
                    combo->setEditText(value);
                }
            } else {
                combo->setCurrentIndex(combo->findText(value));
            }
        } else if (auto* label = qobject_cast<QLabel*>(target)) {
            label->setText(value);
            if (const auto caption = amountCaptions_.constFind(label);
                caption != amountCaptions_.constEnd()) {
                label->setAccessibleName(*caption + QStringLiteral(": ") + value);
            }
        } else if (auto* page = qobject_cast<QPlainTextEdit*>(target)) {
            page->setPlainText(
                QString(value).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        }
    });
}

void MainWindow::setListItems(std::string_view list, const std::vector<std::string>& items) {
    write(toQt(list), [items](QObject* target) {
        auto* combo = qobject_cast<QComboBox*>(target);
        if (combo == nullptr) {
            return;
        }
        const QSignalBlocker block(combo);
        const QString text = combo->currentText();
        combo->clear();
        for (const auto& item : items) {
            combo->addItem(toQt(item));
        }
        if (combo->isEditable()) {
            combo->setCurrentIndex(-1);
            combo->setEditText(text);
        }
    });
}

void MainWindow::showMessage(std::string_view text) {
    boxes_.message(this, withLineFeeds(text));
}

bool MainWindow::askYesNo(std::string_view question) {
    return boxes_.yesNo(this, withLineFeeds(question));
}

std::optional<std::string> MainWindow::askText(std::string_view prompt) {
    const auto answer = boxes_.input(this, withLineFeeds(prompt));
    if (!answer) {
        return std::nullopt;
    }
    return answer->toStdString();
}

std::optional<std::string> MainWindow::chooseProjectFile() {
    // The main form is hidden while the dialog is open; that is no closing of the program.
    const bool quitOnClose = QApplication::quitOnLastWindowClosed();
    QApplication::setQuitOnLastWindowClosed(false);
    hide();
    std::optional<QString> chosen;
    if (options_.chooseFile) {
        chosen = options_.chooseFile(this);
    } else {
        FileSelectDialog dialog(options_.startFolder, this);
        centreOver(&dialog, this);
        if (dialog.exec() == QDialog::Accepted) {
            chosen = dialog.selectedFile();
        }
    }
    show();
    QApplication::setQuitOnLastWindowClosed(quitOnClose);
    if (!chosen || chosen->isEmpty()) {
        return std::nullopt;
    }
    return chosen->toStdString();
}

void MainWindow::selectTab(int tabIndex) {
    const LeaveChecks::FormMovesFocus moving(leaveChecks_);
    const QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(tabIndex - 1);
}

void MainWindow::showFrame(int frameIndex) {
    ensureFrame(frameIndex);
    // Hiding the frame that holds the focus moves the focus: that is not the user leaving.
    const LeaveChecks::FormMovesFocus moving(leaveChecks_);
    frames_->setCurrentIndex(frameIndex - 1);
}

void MainWindow::setFocus(ControlRef control) {
    if (auto* widget = qobject_cast<QWidget*>(this->control(nameOf(control)))) {
        const LeaveChecks::FormMovesFocus moving(leaveChecks_);
        ++formFocusMoves_;
        widget->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::setEnabled(ControlRef control, bool enabled) {
    write(nameOf(control), [enabled](QObject* target) {
        if (auto* action = qobject_cast<QAction*>(target)) {
            action->setEnabled(enabled);
        } else if (auto* widget = qobject_cast<QWidget*>(target)) {
            widget->setEnabled(enabled);
        }
    });
}

void MainWindow::setChecked(ControlRef menuItem, bool checked) {
    if (auto* action = qobject_cast<QAction*>(control(nameOf(menuItem)))) {
        action->setChecked(checked);
    }
}

void MainWindow::setFont(ControlRef control, std::string_view fontName) {
    write(nameOf(control), [family = toQt(fontName)](QObject* target) {
        if (auto* widget = qobject_cast<QWidget*>(target)) {
            QFont font = widget->font();
            font.setFamily(family);
            widget->setFont(font);
            if (auto* combo = qobject_cast<QComboBox*>(widget)) {
                combo->view()->setFont(font);
            }
        }
    });
}

void MainWindow::setProgressVisible(bool visible) {
    // A window not yet on the screen shows no progress: the project named on the command
    // line opens before the window is first painted, and a bar shown and hidden again
    // before then would only have the whole window laid out once more.
    const QWindow* handle = windowHandle();
    progress_->setVisible(visible && handle != nullptr && handle->isExposed());
}

void MainWindow::setProgress(int value) {
    progress_->setValue(value);
    progress_->repaint();
}

void MainWindow::beep() {
    QApplication::beep();
}

void MainWindow::showReport(const reports::ReportPage& page) {
    reports::qt::ReportWindow window(page, this);
    connect(&window, &reports::qt::ReportWindow::printRequested, this,
            [this, &window](ReportPrint command) { form_->printReport(window.page(), command); });
    if (page.form == ReportForm::BusinessCase) {
        // Its inputs above it; a change builds the page again from them.
        auto* inputs = new BusinessCasePanel(*form_, boxes_, &window);
        window.addInputs(inputs);
        connect(inputs, &BusinessCasePanel::changed, &window,
                [this, &window] { window.showPage(form_->reportPage(ReportForm::BusinessCase)); });
    }
    centreOver(&window, this);
    window.exec();
}

std::optional<std::string> MainWindow::choosePdfFile(std::string_view suggestedName) {
    const QString folder =
        options_.startFolder.isEmpty() ? QDir::currentPath() : options_.startFolder;
    const QString suggested = QDir(folder).filePath(toQt(suggestedName));
    std::optional<QString> chosen;
    if (options_.choosePdf) {
        chosen = options_.choosePdf(this, suggested);
    } else {
        const QString path = QFileDialog::getSaveFileName(
            this, captionOf({ctl::mnuSaveAsPdf}), suggested, QStringLiteral("PDF files (*.pdf)"));
        if (!path.isEmpty()) {
            chosen = path;
        }
    }
    if (!chosen || chosen->isEmpty()) {
        return std::nullopt;
    }
    return chosen->toStdString();
}

void MainWindow::showStatus(std::string_view text) {
    // Long enough to be read, short enough not to be mistaken for what is still true.
    constexpr int kShownMs = 6000;
    statusBar()->showMessage(toQt(text), kShownMs);
}

void MainWindow::sayTotalWhenSettled() {
    userChanged_ = false;
    auto* total = qobject_cast<QLabel*>(control(nameOf({ctl::lblSummaryTotal})));
    if (total == nullptr || total->text() == totalSaid_) {
        return;
    }
    totalSaid_ = total->text();
    notice_->say(total->accessibleName());
}

void MainWindow::endProgram() {
    ending_ = true;
    close();
}

bool MainWindow::leaveCurrentField() {
    bool clean = leaveChecks_.runPendingNow();
    // A menu item takes no focus: the field being edited is still the focus widget.
    const auto field = fieldWidgets_.constFind(QApplication::focusWidget());
    if (field != fieldWidgets_.constEnd()) {
        clean = form_->controlLeft({field->first, field->second}) && clean;
    }
    return clean;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!ending_ && !leaveCurrentField()) {
        event->ignore();
        return;
    }
    if (ending_ || form_->unload()) {
        ending_ = true;
        event->accept();
        return;
    }
    event->ignore();
}

} // namespace payvanta::ui::qt
