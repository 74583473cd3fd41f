#pragma once

#include <QDialog>

#include <optional>

#include "automation/FollowEngine.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace ruvo {

class TUpDown;
struct RememberedFolders;
struct Workspace;

// The follow mode set-up dialog: the limits, the check interval, the
// switches, the save folder, and the start and stop of following. It stays
// open while following starts; the main window's timers run the engine.
class TFollow_Mode_Setup : public QDialog {
    Q_OBJECT

public:
    TFollow_Mode_Setup(Workspace& ws, FollowEngine& engine, RememberedFolders& folders, QWidget* parent = nullptr);

    // The stop button's question, over `parent`; true when the user agrees.
    static bool ask_to_stop(QWidget* parent);
    // Following ends without a question: any state -> Idle.
    void stop_following();

signals:
    void follow_started();
    void follow_stopped();

protected:
    void showEvent(QShowEvent* event) override;  // FormShow
    // FormClose: Esc, the close box and Follow_Close all end here.
    void reject() override;

private:
    void build_layout();
    void connect_handlers();
    void TLimit_EditKeyDown();
    void RNumber_EditKeyDown();
    void RTime_EditKeyDown();
    void TLimit_UpDownClick(int position);
    void RNumber_UpDownClick(int position);
    void RTime_UpDownClick(int position);
    void Auto_RTime_CheckBoxClick();
    void Auto_Bitmap_BoxClick();
    void Movie_File_BoxClick();
    void Forrow_BrowseBtnClick();
    void Follow_StartClick();
    void Follow_EndClick();
    void Follow_CloseClick();
    // The three entries as typed, each empty when out of range.
    struct Entries {
        std::optional<double> hours;
        std::optional<int> updates;
        std::optional<double> minutes;
    };
    Entries typed_entries() const;
    // The settings to start with: the entries, the check interval worked out
    // while it is automatic, and the switches; empty when an entry is refused.
    std::optional<FollowSettings> entered_settings() const;
    void AutoRepeatTime();
    void show_auto_repeat_time(bool on);
    void show_save_folder_enabled(bool on);
    bool save_folder_accepted();
    bool ask(const char* question);
    void refuse(const char* message);

    Workspace& ws_;
    FollowEngine& engine_;
    RememberedFolders& folders_;
    // The switches chosen so far (kept from one opening to the next) and,
    // after a start, the limits and interval it started with.
    FollowSettings settings_;
    bool auto_repeat_time_ = true;

    QRadioButton* TLimit_RadioButton;
    QLineEdit* TLimit_Edit;
    TUpDown* TLimit_UpDown;
    QLabel* TLimit_Range;
    QRadioButton* RNumber_RadioButton;
    QLineEdit* RNumber_Edit;
    TUpDown* RNumber_UpDown;
    QLabel* RNumber_Range;
    QRadioButton* RTime_RadioButton;
    QLineEdit* RTime_Edit;
    TUpDown* RTime_UpDown;
    QLabel* RTime_Range;
    QCheckBox* Auto_RTime_CheckBox;
    QCheckBox* Read_Forced_Box;
    QCheckBox* Auto_Bitmap_Box;
    QLabel* Follow_SaveLabel;
    QLineEdit* Follow_DirEdit;
    QPushButton* Forrow_BrowseBtn;
    QCheckBox* Follow_Png_Box;
    QCheckBox* Follow_Label_Box;
    QCheckBox* Video_Mode_Box;
    QCheckBox* Movie_File_Box;
    QLabel* Movie_Fps_Label;
    QSpinBox* Movie_Fps_Box;
    QPushButton* Follow_Start;
    QPushButton* Follow_End;
    QPushButton* Follow_Close;
    QLabel* Follow_Alert_Panel;
};

}  // namespace ruvo
