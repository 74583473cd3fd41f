#include "ui/dialogs/FollowSetupDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include "Workspace.h"
#include "data/RememberedFolders.h"
#include "ui/dialogs/BrowseDialog.h"
#include "ui/Messages.h"
#include "ui/WidgetNames.h"
#include "ui/controls/UpDown.h"
#include "view/BarLimits.h"
#include "view/TypedReal.h"

namespace ruvo {

namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }
QString two_decimals(double value) { return QString::number(value, 'f', 2); }

QLabel* range_label(const char* caption) {
    auto* label = new QLabel(text(caption));
    label->setStyleSheet(QStringLiteral("color: red; font-style: italic;"));
    return label;
}

QPushButton* button(const char* caption) {
    auto* pressed = new QPushButton(text(caption));
    pressed->setAutoDefault(false);  // Enter belongs to the edits
    return pressed;
}

bool asked_ok(QWidget* parent, const char* question) {
    return QMessageBox::question(parent, text(messages::kWarningTitle), text(question),
                                 QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

}  // namespace

TFollow_Mode_Setup::TFollow_Mode_Setup(Workspace& ws, FollowEngine& engine, RememberedFolders& folders, QWidget* parent)
    : QDialog(parent),
      ws_(ws),
      engine_(engine),
      folders_(folders),
      TLimit_RadioButton(new QRadioButton(text(messages::kTLimitRadio))),
      TLimit_Edit(new QLineEdit),
      TLimit_UpDown(new TUpDown(kTimeLimitUpDown)),
      TLimit_Range(range_label(messages::kTLimitRange)),
      RNumber_RadioButton(new QRadioButton(text(messages::kRNumberRadio))),
      RNumber_Edit(new QLineEdit),
      RNumber_UpDown(new TUpDown(kRepeatNumberUpDown)),
      RNumber_Range(range_label(messages::kRNumberRange)),
      RTime_RadioButton(new QRadioButton(text(messages::kRTimeRadio))),
      RTime_Edit(new QLineEdit),
      RTime_UpDown(new TUpDown(kRepeatTimeUpDown)),
      RTime_Range(range_label(messages::kRTimeRange)),
      Auto_RTime_CheckBox(new QCheckBox(text(messages::kAutoRTime))),
      Read_Forced_Box(new QCheckBox(text(messages::kReadForced))),
      Auto_Bitmap_Box(new QCheckBox(text(messages::kAutoBitmap))),
      Follow_SaveLabel(new QLabel(text(messages::kFollowSaveLabel))),
      Follow_DirEdit(new QLineEdit),
      Forrow_BrowseBtn(button(messages::kFollowBrowse)),
      Follow_Png_Box(new QCheckBox(text(messages::kFollowPngBox))),
      Follow_Label_Box(new QCheckBox(text(messages::kFollowLabelBox))),
      Video_Mode_Box(new QCheckBox(text(messages::kVideoMode))),
      Movie_File_Box(new QCheckBox(text(messages::kMovieFile))),
      Movie_Fps_Label(new QLabel(text(messages::kMovieFps))),
      Movie_Fps_Box(new QSpinBox),
      Follow_Start(button(messages::kFollowStart)),
      Follow_End(button(messages::kFollowEnd)),
      Follow_Close(button(messages::kCloseButton)),
      Follow_Alert_Panel(new QLabel(text(messages::kFollowAlert))) {
    name_widget(this, "Follow_Mode_Setup");
    setWindowTitle(text(messages::kFollowSetupCaption));
    name_widget(TLimit_RadioButton, "TLimit_RadioButton");
    name_widget(TLimit_Edit, "TLimit_Edit", TLimit_RadioButton->text());
    name_widget(TLimit_UpDown, "TLimit_UpDown", TLimit_RadioButton->text());
    name_widget(TLimit_Range, "TLimit_Range");
    name_widget(RNumber_RadioButton, "RNumber_RadioButton");
    name_widget(RNumber_Edit, "RNumber_Edit", RNumber_RadioButton->text());
    name_widget(RNumber_UpDown, "RNumber_UpDown", RNumber_RadioButton->text());
    name_widget(RNumber_Range, "RNumber_Range");
    name_widget(RTime_RadioButton, "RTime_RadioButton");
    name_widget(RTime_Edit, "RTime_Edit", RTime_RadioButton->text());
    name_widget(RTime_UpDown, "RTime_UpDown", RTime_RadioButton->text());
    name_widget(RTime_Range, "RTime_Range");
    name_widget(Auto_RTime_CheckBox, "Auto_RTime_CheckBox");
    name_widget(Read_Forced_Box, "Read_Forced_Box");
    name_widget(Auto_Bitmap_Box, "Auto_Bitmap_Box");
    name_widget(Follow_SaveLabel, "Follow_SaveLabel");
    name_widget(Follow_DirEdit, "Follow_DirEdit", Follow_SaveLabel->text());
    name_widget(Forrow_BrowseBtn, "Forrow_BrowseBtn");
    name_widget(Follow_Png_Box, "Follow_Png_Box");
    name_widget(Follow_Label_Box, "Follow_Label_Box");
    name_widget(Video_Mode_Box, "Video_Mode_Box");
    name_widget(Movie_File_Box, "Movie_File_Box");
    name_widget(Movie_Fps_Box, "Movie_Fps_Box", Movie_Fps_Label->text());
    Movie_Fps_Label->setBuddy(Movie_Fps_Box);
    Movie_Fps_Box->setRange(kFramesPerSecondUpDown.min, kFramesPerSecondUpDown.max);
    Movie_Fps_Box->setValue(kFramesPerSecondUpDown.start);
    name_widget(Follow_Start, "Follow_Start");
    name_widget(Follow_End, "Follow_End");
    name_widget(Follow_Close, "Follow_Close");
    name_widget(Follow_Alert_Panel, "Follow_Alert_Panel");
    Follow_SaveLabel->setBuddy(Follow_DirEdit);
    TLimit_UpDown->attach(TLimit_Edit);
    RNumber_UpDown->attach(RNumber_Edit);
    RTime_UpDown->attach(RTime_Edit);
    Follow_Alert_Panel->setFrameShape(QFrame::Panel);
    Follow_Alert_Panel->setFrameShadow(QFrame::Sunken);
    build_layout();
    connect_handlers();
    // FormCreate
    show_auto_repeat_time(true);
    show_save_folder_enabled(false);
}

void TFollow_Mode_Setup::build_layout() {
    auto* grid = new QGridLayout(this);
    const auto add_entry = [grid](int row, QRadioButton* radio, QLineEdit* edit, TUpDown* up_down, QLabel* range) {
        grid->addWidget(radio, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(up_down, row, 2);
        grid->addWidget(range, row, 3);
        up_down->setFixedHeight(edit->sizeHint().height());
    };
    add_entry(0, TLimit_RadioButton, TLimit_Edit, TLimit_UpDown, TLimit_Range);
    add_entry(1, RNumber_RadioButton, RNumber_Edit, RNumber_UpDown, RNumber_Range);
    add_entry(2, RTime_RadioButton, RTime_Edit, RTime_UpDown, RTime_Range);
    grid->addWidget(Auto_RTime_CheckBox, 3, 0, 1, 4);
    grid->addWidget(Read_Forced_Box, 4, 0, 1, 4);
    grid->addWidget(Auto_Bitmap_Box, 5, 0, 1, 4);
    auto* folder_row = new QHBoxLayout;
    folder_row->addWidget(Follow_SaveLabel);
    folder_row->addWidget(Follow_DirEdit, 1);
    folder_row->addWidget(Forrow_BrowseBtn);
    grid->addLayout(folder_row, 6, 0, 1, 4);
    // How the numbered pictures are written, beside the switch that saves them.
    grid->addWidget(Follow_Png_Box, 5, 4);
    grid->addWidget(Follow_Label_Box, 6, 4);
    grid->addWidget(Video_Mode_Box, 7, 0, 1, 4);
    auto* movie_row = new QHBoxLayout;
    movie_row->addWidget(Movie_File_Box, 1);
    movie_row->addWidget(Movie_Fps_Label);
    movie_row->addWidget(Movie_Fps_Box);
    // The rows below span the column of the picture boxes too.
    grid->addLayout(movie_row, 8, 0, 1, 5);
    grid->addWidget(Follow_Alert_Panel, 9, 0, 1, 5);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* pressed : {Follow_Start, Follow_End, Follow_Close}) buttons->addWidget(pressed);
    grid->addLayout(buttons, 10, 0, 1, 5);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TFollow_Mode_Setup::connect_handlers() {
    connect(TLimit_Edit, &QLineEdit::returnPressed, this, &TFollow_Mode_Setup::TLimit_EditKeyDown);
    connect(RNumber_Edit, &QLineEdit::returnPressed, this, &TFollow_Mode_Setup::RNumber_EditKeyDown);
    connect(RTime_Edit, &QLineEdit::returnPressed, this, &TFollow_Mode_Setup::RTime_EditKeyDown);
    connect(TLimit_UpDown, &TUpDown::clicked, this, &TFollow_Mode_Setup::TLimit_UpDownClick);
    connect(RNumber_UpDown, &TUpDown::clicked, this, &TFollow_Mode_Setup::RNumber_UpDownClick);
    connect(RTime_UpDown, &TUpDown::clicked, this, &TFollow_Mode_Setup::RTime_UpDownClick);
    connect(Auto_RTime_CheckBox, &QCheckBox::clicked, this, &TFollow_Mode_Setup::Auto_RTime_CheckBoxClick);
    // Read_Forced_BoxClick and Video_Mode_BoxClick: the flags follow the boxes.
    connect(Read_Forced_Box, &QCheckBox::clicked, this, [this](bool on) {
        settings_.read_forced = on;
        engine_.settings().read_forced = on;
    });
    connect(Video_Mode_Box, &QCheckBox::clicked, this, [this](bool on) { ws_.fixed_size_mode = on; });
    connect(Follow_Png_Box, &QCheckBox::clicked, this, [this](bool on) {
        settings_.format = on ? PictureFormat::Png : PictureFormat::Bmp;
        engine_.settings().format = settings_.format;
    });
    connect(Follow_Label_Box, &QCheckBox::clicked, this, [this](bool on) {
        settings_.labelled = on;
        engine_.settings().labelled = on;
    });
    connect(Auto_Bitmap_Box, &QCheckBox::clicked, this, &TFollow_Mode_Setup::Auto_Bitmap_BoxClick);
    connect(Movie_File_Box, &QCheckBox::clicked, this, &TFollow_Mode_Setup::Movie_File_BoxClick);
    connect(Movie_Fps_Box, &QSpinBox::valueChanged, this, [this](int fps) { settings_.movie_fps = fps; });
    connect(Forrow_BrowseBtn, &QPushButton::clicked, this, &TFollow_Mode_Setup::Forrow_BrowseBtnClick);
    connect(Follow_Start, &QPushButton::clicked, this, &TFollow_Mode_Setup::Follow_StartClick);
    connect(Follow_End, &QPushButton::clicked, this, &TFollow_Mode_Setup::Follow_EndClick);
    connect(Follow_Close, &QPushButton::clicked, this, &TFollow_Mode_Setup::Follow_CloseClick);
}

void TFollow_Mode_Setup::showEvent(QShowEvent* event) {
    const bool active = engine_.follow_active();
    const FollowSettings& running = engine_.settings();
    Follow_Start->setText(text(active ? messages::kFollowStartActive : messages::kFollowStart));
    RTime_Edit->setText(active ? two_decimals(running.repeat_time) : QStringLiteral("1"));
    TLimit_Edit->setText(active ? two_decimals(running.time_limit) : QStringLiteral("1"));
    RNumber_Edit->setText(active ? QString::number(running.repeat_number) : QStringLiteral("1"));
    Auto_RTime_CheckBox->setChecked(auto_repeat_time_);
    Read_Forced_Box->setChecked(settings_.read_forced);
    Auto_Bitmap_Box->setChecked(settings_.auto_bitmap);
    Follow_Png_Box->setChecked(settings_.format == PictureFormat::Png);
    Follow_Label_Box->setChecked(settings_.labelled);
    Video_Mode_Box->setChecked(ws_.fixed_size_mode);
    Movie_File_Box->setChecked(settings_.movie);
    Movie_Fps_Box->setValue(settings_.movie_fps);
    Movie_Fps_Box->setEnabled(settings_.movie);
    show_save_folder_enabled(settings_.auto_bitmap || settings_.movie);
    Follow_DirEdit->setText(folders_.sequential_save);
    QDialog::showEvent(event);
}

void TFollow_Mode_Setup::reject() {
    if (engine_.follow_active()) {
        QMessageBox::warning(this, text(messages::kWarningTitle), text(messages::kFollowCloseWarning));
    }
    QDialog::reject();
}

void TFollow_Mode_Setup::refuse(const char* message) {
    QMessageBox::critical(this, text(messages::kErrorTitle), text(message));
}

bool TFollow_Mode_Setup::ask(const char* question) { return asked_ok(this, question); }

TFollow_Mode_Setup::Entries TFollow_Mode_Setup::typed_entries() const {
    return {time_limit_entry(TLimit_Edit->text()), repeat_number_entry(RNumber_Edit->text()),
            repeat_time_entry(RTime_Edit->text())};
}

std::optional<FollowSettings> TFollow_Mode_Setup::entered_settings() const {
    const Entries typed = typed_entries();
    if (!typed.hours || !typed.updates) return std::nullopt;
    const std::optional<double> minutes =
        auto_repeat_time_ ? auto_repeat_time(*typed.hours, *typed.updates) : typed.minutes;
    if (!minutes) return std::nullopt;
    FollowSettings entered = settings_;
    entered.repeat_time = *minutes;
    entered.time_limit = *typed.hours;
    entered.repeat_number = *typed.updates;
    entered.save_folder = folders_.sequential_save;
    return entered;
}

// An entry out of range counts as none.
void TFollow_Mode_Setup::AutoRepeatTime() {
    const Entries typed = typed_entries();
    RTime_Edit->setText(two_decimals(auto_repeat_time(typed.hours.value_or(0), typed.updates.value_or(0))));
}

void TFollow_Mode_Setup::TLimit_EditKeyDown() {
    if (!typed_entries().hours) return refuse(messages::kEnterInRange);
    if (auto_repeat_time_) AutoRepeatTime();
}

void TFollow_Mode_Setup::RNumber_EditKeyDown() {
    if (!typed_entries().updates) return refuse(messages::kEnterInRange);
    if (auto_repeat_time_) AutoRepeatTime();
}

void TFollow_Mode_Setup::RTime_EditKeyDown() {
    if (!typed_entries().minutes) refuse(messages::kEnterInRange);
}

void TFollow_Mode_Setup::TLimit_UpDownClick(int position) {
    TLimit_RadioButton->setChecked(true);
    TLimit_Edit->setText(QString::number(position));
    if (auto_repeat_time_) AutoRepeatTime();
}

void TFollow_Mode_Setup::RNumber_UpDownClick(int position) {
    RNumber_Edit->setText(QString::number(position));
    RNumber_RadioButton->setChecked(true);
    if (auto_repeat_time_) AutoRepeatTime();
}

void TFollow_Mode_Setup::RTime_UpDownClick(int position) {
    RTime_Edit->setText(QString::number(position));
    RTime_RadioButton->setChecked(true);
}

void TFollow_Mode_Setup::show_auto_repeat_time(bool on) {
    auto_repeat_time_ = on;
    Auto_RTime_CheckBox->setChecked(on);
    for (QWidget* control : std::initializer_list<QWidget*>{RTime_Edit, RTime_UpDown, RTime_RadioButton}) {
        control->setEnabled(!on);
    }
}

void TFollow_Mode_Setup::Auto_RTime_CheckBoxClick() {
    if (auto_repeat_time_) return show_auto_repeat_time(false);
    if (!typed_entries().updates) {
        Auto_RTime_CheckBox->setChecked(false);
        refuse(messages::kEnterReadCount);
        RTime_Edit->setText(text(messages::kEntryError));
        return;
    }
    show_auto_repeat_time(true);
    AutoRepeatTime();
}

void TFollow_Mode_Setup::show_save_folder_enabled(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{Follow_SaveLabel, Follow_DirEdit, Forrow_BrowseBtn,
                                                            Follow_Png_Box, Follow_Label_Box}) {
        control->setEnabled(on);
    }
    Follow_Alert_Panel->setText(text(on ? messages::kFollowAlertWarning : messages::kFollowAlert));
    QFont font = Follow_Alert_Panel->font();
    font.setBold(on);
    Follow_Alert_Panel->setFont(font);
}

void TFollow_Mode_Setup::Auto_Bitmap_BoxClick() {
    settings_.auto_bitmap = Auto_Bitmap_Box->isChecked();
    engine_.settings().auto_bitmap = settings_.auto_bitmap;
    show_save_folder_enabled(settings_.auto_bitmap || settings_.movie);
}

// A video starts with the next start of following, in the save folder.
void TFollow_Mode_Setup::Movie_File_BoxClick() {
    settings_.movie = Movie_File_Box->isChecked();
    Movie_Fps_Box->setEnabled(settings_.movie);
    show_save_folder_enabled(settings_.auto_bitmap || settings_.movie);
}

void TFollow_Mode_Setup::Forrow_BrowseBtnClick() {
    TBrowseDialog BrowseDialog1(this);
    BrowseDialog1.Directory = Follow_DirEdit->text();
    BrowseDialog1.Caption = without_accelerator(Follow_SaveLabel->text());
    if (BrowseDialog1.Execute()) Follow_DirEdit->setText(BrowseDialog1.Directory);
}

// An existing folder becomes the remembered save folder; another puts the
// remembered one back into the edit.
bool TFollow_Mode_Setup::save_folder_accepted() {
    const QString folder = Follow_DirEdit->text().trimmed();
    if (folder.isEmpty() || !QDir(folder).exists()) {
        Follow_DirEdit->setText(folders_.sequential_save);
        refuse(messages::kSaveFolderInvalid);
        return false;
    }
    folders_.sequential_save = folder;
    folders_.write();
    return true;
}

void TFollow_Mode_Setup::Follow_StartClick() {
    if (engine_.follow_active() && !ask(messages::kRestartFollow)) return;
    if ((Auto_Bitmap_Box->isChecked() || Movie_File_Box->isChecked()) && !save_folder_accepted()) return;
    const std::optional<FollowSettings> entered = entered_settings();
    if (!entered) {
        const bool blank = typed_real(TLimit_Edit->text()).value_or(0) == 0 ||
                           typed_real(RNumber_Edit->text()).value_or(0) == 0 ||
                           typed_real(RTime_Edit->text()).value_or(0) == 0;
        return refuse(blank ? messages::kFillEveryItem : messages::kEnterInRange);
    }
    settings_ = *entered;
    engine_.start(settings_);
    Follow_Start->setText(text(messages::kFollowStartActive));
    emit follow_started();
}

void TFollow_Mode_Setup::Follow_EndClick() {
    if (ask_to_stop(this)) stop_following();
}

bool TFollow_Mode_Setup::ask_to_stop(QWidget* parent) { return asked_ok(parent, messages::kReallyStop); }

void TFollow_Mode_Setup::stop_following() {
    engine_.stop();
    Follow_Start->setText(text(messages::kFollowStart));
    emit follow_stopped();
}

void TFollow_Mode_Setup::Follow_CloseClick() {
    if (engine_.follow_active() && !ask(messages::kFollowCloseWarning)) return;
    close();
}

}  // namespace ruvo
