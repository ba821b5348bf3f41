#pragma once

#include "leave_checks.h"
#include "message_boxes.h"
#include "ui/main_form.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class QAction;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QTimer;

namespace payvanta::ui::qt {

class ListCombo;
class SpokenNotice;

// frmMain: the data-entry window. A thin binding of Qt widgets to the main form's
// behaviour: widget events go in, the view calls come out. Every widget carries its
// control name as object name ("txtHoistFPMHoist", "txtDutyCycleHoist(5)", "Frame1(3)").
class MainWindow : public QMainWindow, public MainFormView {
    Q_OBJECT

public:
    struct Options {
        LocaleConventions locale = LocaleConventions::unitedStates();
        std::filesystem::path programFolder;
        // The folder the file selection dialog starts in; empty: the working folder.
        QString startFolder;
        // The file selection dialog; by default the program's own. Tests hand in theirs.
        std::function<std::optional<QString>(QWidget*)> chooseFile;
        // The save dialog of "Save as PDF..." (given the suggested path); by default the
        // system's. Tests hand in theirs.
        std::function<std::optional<QString>(QWidget*, const QString&)> choosePdf;
    };

    MainWindow(Options options, MessageBoxes& boxes, QWidget* parent = nullptr);
    ~MainWindow() override;

    MainForm& form() { return *form_; }

    // The save dialog that "Save as PDF..." asks; tests answer it themselves.
    void setPdfChooser(std::function<std::optional<QString>(QWidget*, const QString&)> choose) {
        options_.choosePdf = std::move(choose);
    }

    // Opens a project given on the command line, when none is open yet.
    bool openProjectFile(const QString& path);
    // A later copy of the program was started: the window comes forward and, when no
    // project is open yet, opens the project that copy was given (if any).
    void comeForward(const QString& projectFile);

    // The widget, menu or action of a control name ("cmdClose", "Frame1(2)"). The
    // data-entry frames are made the first time one of their controls is needed. A name
    // the window does not know is a programming error: it is logged as a warning that
    // names it (the tests fail on it) and the result is null.
    QObject* control(const QString& name);

    // MainFormView
    void setText(ControlRef control, std::string_view text) override;
    void setListItems(std::string_view list, const std::vector<std::string>& items) override;
    void showMessage(std::string_view text) override;
    bool askYesNo(std::string_view question) override;
    std::optional<std::string> askText(std::string_view prompt) override;
    std::optional<std::string> chooseProjectFile() override;
    void selectTab(int tabIndex) override;
    void showFrame(int frameIndex) override;
    void setFocus(ControlRef control) override;
    void setEnabled(ControlRef control, bool enabled) override;
    void setChecked(ControlRef menuItem, bool checked) override;
    void setFont(ControlRef control, std::string_view fontName) override;
    void setProgressVisible(bool visible) override;
    void setProgress(int value) override;
    void beep() override;
    void showReport(const reports::ReportPage& page) override;
    std::optional<std::string> choosePdfFile(std::string_view suggestedName) override;
    void showStatus(std::string_view text) override;
    void endProgram() override;

    static QString nameOf(ControlRef control);
    // The caption and the tool tip of a control, from the main form's table; a control
    // with no row there is a programming error, logged as control() logs one.
    static QString captionOf(ControlRef control);
    static QString toolTipOf(ControlRef control);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building the window.
    void buildMenus();
    QWidget* buildCentre();
    QGroupBox* buildHelpFrame();
    QGroupBox* buildProjectFrame();
    QGroupBox* buildMotionFrame(Motion m);
    QGroupBox* buildInventoryFrame();
    QWidget* buildSummaryPanel();
    QWidget* buildCommandButtons();
    QWidget* buildStatusArea();
    QGroupBox* frame(int index);
    // Frames 2 to 6 are not seen at start, and after a project opens only the one shown is:
    // each is made when it is first shown or one of its controls is asked for, which keeps
    // start-up and opening short. Until then its place in the stack holds an empty page.
    void ensureFrame(int index);
    void ensureDataFrames();
    bool allFramesMade() const;
    // Writes to a control; one of a frame not made yet waits, in order, until it is made.
    void write(const QString& name, std::function<void(QObject*)> change);
    void setTabOrderTopToBottom();

    // Each makes the widget of a field, names it, binds its events and adds it with its
    // label to the grid at the row given.
    QLineEdit* textField(Field field, QGridLayout* grid, int row, int column, int widthChars);
    ListCombo* listField(Field field, QGridLayout* grid, int row, int column, int widthChars);
    void bindField(QWidget* widget, ControlRef control);
    // Before a command: the check of the field being edited, as if it were left, and any
    // check still waiting. False when one of them put a value back, told the user
    // something or sent the focus back: the command then does not run.
    bool leaveCurrentField();
    // A project a later copy handed over: opened, or the user told to close the one open.
    void openHandedOver(const QString& projectFile);
    void bindCommand(QObject* sender, ControlRef control);
    void registerControl(const QString& name, QObject* object);
    QMenu* menu(std::string_view name);
    QAction* menuItem(QMenu* menu, ControlRef control);
    // A screen reader hears the total once the user's changes have settled, if it moved.
    void sayTotalWhenSettled();

    Options options_;
    MessageBoxes& boxes_;
    LeaveChecks leaveChecks_;
    QHash<QString, QObject*> controls_;
    // The field each input widget shows (a list's text part included).
    QHash<const QWidget*, std::pair<std::string, int>> fieldWidgets_;
    // Whether each frame (1 to 6) has been made; the help frame is made with the window.
    std::array<bool, 6> frameMade_{true, false, false, false, false, false};
    // The writes waiting for the frame of their control, by control name.
    QHash<QString, std::vector<std::function<void(QObject*)>>> waiting_;
    QList<QWidget*> focusOrder_;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* frames_ = nullptr;
    QProgressBar* progress_ = nullptr;
    // The summary's amounts and their captions, which a screen reader says with them.
    QHash<const QWidget*, QString> amountCaptions_;
    SpokenNotice* notice_ = nullptr;
    QTimer* totalSettles_ = nullptr;
    // Whether the user changed something since the total was last said, and what it was.
    bool userChanged_ = false;
    QString totalSaid_;
    // The field the user was in when the View menu took the focus to "Save Data": the
    // focus goes back there after the report, or when the menu closes unused.
    QPointer<QWidget> returnAfterView_;
    bool ending_ = false;
    // Centred on the screen at the first show; after that it stays where the user puts it.
    bool placed_ = false;
    // How often the form has moved the focus itself: a command that did keeps its choice.
    int formFocusMoves_ = 0;
    // A project handed over while a box or dialog was open, waiting for it to close.
    QString handedOver_;
    // Made last: its load writes into the widgets above.
    std::unique_ptr<MainForm> form_;
};

} // namespace payvanta::ui::qt
