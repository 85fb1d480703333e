#pragma once

#include "platform/ScreenSaverSettings.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <map>
#include <vector>

class App;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class ParentPageTab;
class Setting;

// The note beside the options that change nothing on this system.
extern const QString kNoEffectNote; // "Kept for other installations; no effect on this system"

// The preferences dialog: every program-wide option on six tabs, the last gathering the pages
// that only other systems act on. A new tab is one more build function, called before the tab
// rows are built. It loads every value
// from the store (and the boot options from the start-up file) before it is shown and
// writes them all back on Apply or Ok. Ok and Cancel only hide it; the close box destroys it.
class frmOptions final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(frmOptions)

public:
    explicit frmOptions(App& app);

    QTabWidget* SSTab1;
    // The tabs' captions in two rows above the pages (nine side by side would not fit a small
    // screen); button i opens page i of SSTab1.
    QWidget* tabRows;
    QButtonGroup* tabButtons;
    QPushButton* cmdOk;
    QPushButton* cmdApply;
    QPushButton* cmdCancel;

    // "General"
    QCheckBox* chkACWindows;
    QCheckBox* chkSWP;
    QCheckBox* chkGenMode;
    QLabel* lbl2;
    QLineEdit* txtGenAmmt;
    QLabel* lbl1;
    QCheckBox* chkDWM;
    QCheckBox* chkSAAE;
    QCheckBox* chkLoadOnStartup;
    std::array<QRadioButton*, 2> OptAsSer; // 0 "As Service", 1 "Regular"
    QCheckBox* chkShowSplash;
    QLabel* Label10;
    QLineEdit* txtTimerInterval;
    QLabel* Label11;

    // "Screen Saver Smart"
    QCheckBox* chkSSSEnable;
    QCheckBox* chkSTA;
    QCheckBox* chkLogSSLAU;
    QCheckBox* chkUpScr;
    QLineEdit* txtSSActive;
    QLineEdit* txtSSTO;
    QLineEdit* txtLPA;
    QLineEdit* txtLPTO;
    QLineEdit* txtPOA;
    QLineEdit* txtPOTO;

    // "Logging"
    QCheckBox* chkLogEnable;
    QCheckBox* chkLTF;
    QLineEdit* txtltf;
    QPushButton* cmdGetFile;
    QCheckBox* chkLTS;
    QCheckBox* chkUserLogin;
    QCheckBox* chkUserLogout;
    QCheckBox* chkTimeOuts;
    QCheckBox* chkConfigChange;
    QCheckBox* chkTimeStamp;
    QLabel* Label1;
    QRadioButton* optTime;
    QRadioButton* optDate;
    QRadioButton* optBoth;

    // "TimeWard Security"
    QCheckBox* chk3MinWarn;
    QCheckBox* chkBadShutdown;
    QCheckBox* chkForceLogin;
    QCheckBox* chkLoginTimer;
    QLabel* lblLoginS;
    QLineEdit* txtLoginSecs;
    QLabel* lblLogint;
    QComboBox* cboLoginTA;
    QCheckBox* chkAllowT;
    QCheckBox* chkAllowW;
    QLabel* lblStartupNote; // what the two start-up choices do on this machine

    // "Parent's Page"
    ParentPageTab* tabParentPage;
    QCheckBox* chkBootWin;
    QCheckBox* chkBootDelay;
    QCheckBox* chkBStart;

    // "Time Window"
    QCheckBox* chkTRWindow;
    QLabel* Label15;
    std::array<QRadioButton*, 4> TWLoc; // 0 top left, 1 top right, 2 bottom right, 3 bottom left

    // "Other Systems": the pages whose every option has no effect on this system, kept for the
    // copies on other systems that share the store: "Windows Security", "Start Menu Security",
    // "Control Panel Security", "Misc Security". Each box is named "chk" + its key (the misc
    // boxes bear the key's own name).
    QTabWidget* otherSystems;
    std::map<QString, QCheckBox*> loginScreenBoxes; // by "Config" key
    std::map<QString, QCheckBox*> whileRunningBoxes;
    QCheckBox* chkStartTaskbar;
    QCheckBox* chkStartSettings;
    QCheckBox* chkStartFind;
    QCheckBox* chkStartShutdown;
    QCheckBox* chkStartRun;
    std::map<QString, QCheckBox*> controlPanelBoxes; // by "Security" key
    std::map<QString, QCheckBox*> miscBoxes;

    // Fills every control; false when the user chose Abort at an error.
    bool LoadOptions();
    // Writes every control back with the controller paused. False when nothing was saved
    // because the timer interval is no number, or when the user chose Abort at an error.
    bool SaveOptions();
    // Shows the system's screen-saver settings in the six status boxes.
    void UpdateScreenSaverStatus();
    // Where those settings come from: the X server the program runs on.
    std::function<ScreenSaverSettings()> screenSaverSource;

    void cmdOk_Click();
    void cmdApply_Click();
    void cmdCancel_Click();
    void cmdGetFile_Click();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void buildGeneral();
    void buildScreenSaverSmart();
    void buildLogging();
    void buildTimeWardSecurity();
    void buildTimeWindow();
    void buildParentPage();
    void buildOtherSystems();
    void buildWindowsSecurity();
    void buildStartMenuSecurity();
    void buildControlPanelSecurity();
    void buildMiscSecurity();
    void buildTabRows();
    void wireRules();
    // Every stored value's row: how LoadOptions shows it and how SaveOptions writes it back,
    // each a step under the error prompt. A row with no load (or no save) is only written (read).
    struct Binding {
        std::function<void()> load;
        std::function<void()> save;
    };
    void bindOptions();
    std::vector<Binding> m_bindings;

    QCheckBox* box(const QString& name, const QString& caption);
    void enableApply();
    void txtLoginSecs_Change();
    // The window that opened the dialog: disabled while it is up, enabled and active again after.
    void enableOwner();
    void restoreMetrics();
    void saveMetrics();

    friend void ShowOptions(App& app, QWidget* owner);
    App& m_app;
    QPointer<QWidget> m_owner;
    QButtonGroup* m_asService;
    QButtonGroup* m_twLoc;
    QButtonGroup* m_logUse;
};

// The main window's "&Preferences": loads the options, disables the owner (the main window)
// and the Apply button, and shows the dialog (centred over the owner when so configured).
void ShowOptions(App& app, QWidget* owner);

// A check box takes a stored value: absent or empty clears it; a number 0, 1 or 2 becomes
// its state; another number (error 380) or a text that is no number (error 13) is refused
// with a run-time error.
void SetBoxFromSetting(QCheckBox& box, const Setting& value);
