#include "automation/FollowEngine.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <memory>
#include <thread>

#include "Workspace.h"
#include "automation/Workers.h"
#include "data/FileNames.h"
#include "data/Nearest.h"
#include "data/ResultReader.h"
#include "plot/FrameLabel.h"
#include "plot/Progress.h"
#include "plot/Renderer.h"
#include "view/BarLimits.h"
#include "view/TypedReal.h"
#include "view/ViewFields.h"
#include "view/ViewKind.h"

namespace ruvo {

namespace {

// The first part of a numbered bitmap's name: the view's kind.
QString bitmap_tag(const View_Info& view) { return QString::fromLatin1(kind_info(view).picture_tag); }

// The views that follow mode draws and saves: those of a result file.
bool is_data_view(const View_Info& view) { return *kind_info(view).picture_tag != '\0'; }

}  // namespace

std::optional<double> time_limit_entry(const QString& text) {
    const std::optional<double> hours = typed_real(text);
    if (!hours || !(*hours > 0 && *hours <= kTimeLimitUpDown.max)) return std::nullopt;
    return hours;
}

std::optional<int> repeat_number_entry(const QString& text) {
    bool ok = false;
    const int updates = text.trimmed().toInt(&ok);
    if (!ok || updates < kRepeatNumberUpDown.min || updates > kRepeatNumberUpDown.max) return std::nullopt;
    return updates;
}

std::optional<double> repeat_time_entry(const QString& text) {
    const std::optional<double> minutes = typed_real(text);
    if (!minutes || !(*minutes > 0 && *minutes <= kRepeatTimeUpDown.max)) return std::nullopt;
    return minutes;
}

double auto_repeat_time(double time_limit, int repeat_number) {
    return repeat_number > 0 ? time_limit * 60 / repeat_number : 0.0;
}

FileStamp stamp_of(const QString& path) {
    std::error_code error;
    const std::filesystem::path file(QFile::encodeName(path).toStdString());
    const auto modified = std::filesystem::last_write_time(file, error);
    if (error) return {};
    const auto size = std::filesystem::file_size(file, error);
    if (error) return {};
    return {static_cast<qint64>(modified.time_since_epoch().count()), static_cast<qint64>(size)};
}

namespace {
QString update_number_text(int number) { return QStringLiteral("%1").arg(number, 4, 10, QLatin1Char('0')); }
}  // namespace

QString numbered_bitmap_name(const Workspace& ws, int slot, int number, const QString& folder, PictureFormat format) {
    const View_Info& view = ws.views.info.at(static_cast<std::size_t>(slot));
    const QString name =
        bitmap_tag(view) + QString::number(view.Same_number) + update_number_text(number) + picture_suffix(format);
    return QDir::toNativeSeparators(QDir(folder).filePath(name));
}

QString update_label(int number, const QDateTime& time) {
    return update_number_text(number) + QStringLiteral("  ") + time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

QString follow_video_name(const Workspace& ws, int slot, const QString& folder) {
    const View_Info& view = ws.views.info.at(static_cast<std::size_t>(slot));
    const QString name = bitmap_tag(view) + QString::number(view.Same_number) + QStringLiteral(".mp4");
    return QDir::toNativeSeparators(QDir(folder).filePath(name));
}

// One data slot's file read into a copy, waiting for every other file of the update.
struct FollowEngine::StagedRead {
    std::uint8_t file_type = kFreeSlot;
    int data_slot = 0;
    std::unique_ptr<VectorSlot> vectors;
    std::unique_ptr<ScalarSlot> scalars;
    ReadResult read;  // its header becomes the store's file range when the update commits
};

FollowEngine::~FollowEngine() { close_videos(); }

void FollowEngine::stop() {
    state_ = FollowState::Idle;
    close_videos();
}

void FollowEngine::close_videos() {
    std::vector<FollowFailure> failures;
    for (const auto& [slot, video] : videos_) {
        if (const WriteResult closed = video->finish(); !closed.ok) {
            failures.push_back({FollowFailure::Kind::NotSaved, video->path(), closed.error});
        }
    }
    videos_.clear();
    log_failures(failures);
}

void FollowEngine::start(const FollowSettings& settings) {
    close_videos();
    settings_ = settings;
    state_ = FollowState::Waiting;
    started_ms_ = clock_.elapsed_ms();
    follow_countdown_ = Nearest(settings_.repeat_time * 60);
    follow_tick_count_ = 0;
    follow_bitmap_number_ = 1;
    look_at_files();
    RecordFileAges();
}

int FollowEngine::check_interval_ms() const { return Nearest(settings_.repeat_time * 60000); }

int FollowEngine::settle_ms() const { return std::clamp(check_interval_ms(), 1, kSettleMs); }

bool FollowEngine::time_limit_reached() const {
    return static_cast<double>(clock_.elapsed_ms() - started_ms_) >= settings_.time_limit * 3600 * 1000;
}

bool FollowEngine::count_down() {
    if (state_ != FollowState::Waiting) return state_ != FollowState::Finished;
    if (time_limit_reached()) {
        state_ = FollowState::Finished;
        return false;
    }
    --follow_countdown_;
    return true;
}

template <class Visit>
bool FollowEngine::all_watched_files(Visit visit) {
    const ProjectTables& project = ws_.project;
    for (int n = 0; n < project.vector_file_count; ++n) {
        if (!visit(project.vector_file_name.at(n), vector_file_age_.at(n))) return false;
    }
    for (int n = 0; n < project.scalar_file_count; ++n) {
        if (!visit(project.scalar_file_name.at(n), scalar_file_age_.at(n))) return false;
    }
    return true;
}

void FollowEngine::look_at_files() {
    const qint64 now = clock_.elapsed_ms();
    all_watched_files([now](const QString& path, WatchedFile& file) {
        if (const FileStamp stamp = stamp_of(path); stamp != file.seen) {
            file.seen = stamp;
            file.seen_since_ms = now;
        }
        return true;
    });
}

void FollowEngine::RecordFileAges() {
    all_watched_files([](const QString&, WatchedFile& file) {
        file.reloaded = file.seen;
        return true;
    });
}

bool FollowEngine::FilesChanged() {
    look_at_files();
    return all_watched_files([](const QString&, const WatchedFile& file) { return file.seen != file.reloaded; });
}

QString FollowEngine::unsettled_file() {
    const qint64 now = clock_.elapsed_ms();
    QString unsettled;
    all_watched_files([&](const QString& path, const WatchedFile& file) {
        if (file.seen == file.reloaded || now - file.seen_since_ms >= settle_ms()) return true;
        unsettled = path;
        return false;
    });
    return unsettled;
}

QString FollowEngine::file_changed_since_seen() {
    QString changed;
    all_watched_files([&changed](const QString& path, const WatchedFile& file) {
        if (stamp_of(path) == file.seen) return true;
        changed = path;
        return false;
    });
    return changed;
}

FollowCheck FollowEngine::finish(FollowCheck check) {
    state_ = FollowState::Finished;
    close_videos();
    check.result = FollowCheck::Result::Finished;
    return check;
}

FollowCheck FollowEngine::still_writing(const QString& file) {
    state_ = FollowState::Waiting;
    follow_countdown_ = (settle_ms() + 999) / 1000;
    return {FollowCheck::Result::StillWriting, settle_ms(), file, {}, {}};
}

FollowCheck FollowEngine::check(const std::vector<FollowWindow>& windows,
                                const std::function<void(std::size_t)>& window_drawn) {
    ++follow_tick_count_;
    if (state_ != FollowState::Waiting) return {FollowCheck::Result::Unchanged, check_interval_ms(), {}, {}, {}};
    if (time_limit_reached()) return finish({});
    follow_countdown_ = Nearest(settings_.repeat_time * 60);

    // A forced read takes the files as they are, but never one still being written.
    if (!FilesChanged() && !settings_.read_forced)
        return {FollowCheck::Result::Unchanged, check_interval_ms(), {}, {}, {}};
    if (const QString file = unsettled_file(); !file.isEmpty()) return still_writing(file);

    state_ = FollowState::Updating;
    std::vector<StagedRead> staged;
    QString unfinished;
    // A file rewritten while it was read may mix two updates: it is read again.
    if (!stage_reloads(windows, staged, unfinished) || !(unfinished = file_changed_since_seen()).isEmpty()) {
        return still_writing(unfinished);
    }
    commit(staged);
    RecordFileAges();

    FollowCheck check{FollowCheck::Result::Updated, check_interval_ms(), {}, {}, {}};
    const std::vector<RenderResult> drawn = draw_windows(windows);
    const QDateTime updated = QDateTime::currentDateTime();  // one time for every picture of the update
    // From the window opened last down to the first, as the frame lists its children.
    for (std::size_t n = windows.size(); n-- > 0;) {
        FollowRedraw(windows[n], drawn[n], check, updated);
        if (window_drawn) window_drawn(n);
    }
    log_failures(check.failures);
    ++follow_bitmap_number_;
    if (follow_bitmap_number_ - 1 >= settings_.repeat_number) return finish(std::move(check));
    state_ = FollowState::Waiting;
    return check;
}

// The project file a view's data slot was read from: the last of the
// project's files of that kind with the slot's base name.
QString FollowEngine::file_of_view(int slot) const {
    const View_Info& view = ws_.views.at(slot);
    const bool vector = view.FileType == kVectorView;
    const ViewFields fields = view_fields(ws_.store, view);
    const QString& slot_name = vector ? fields.current_vectors().file_name : fields.current_scalars().file_name;
    const int count = vector ? ws_.project.vector_file_count : ws_.project.scalar_file_count;
    QString path;
    for (int n = 0; n < count; ++n) {
        const QString& name = vector ? ws_.project.vector_file_name.at(n) : ws_.project.scalar_file_name.at(n);
        if (base_name(name) == slot_name) path = name;
    }
    return path;
}

ReadResult FollowEngine::ReloadViewFile(int slot, const QString& path, StagedRead& read) {
    const View_Info& view = ws_.views.at(slot);
    read.file_type = view.FileType;
    read.data_slot = data_slot_of(ws_.store, view);
    if (view.FileType == kVectorView) {
        read.vectors = std::make_unique<VectorSlot>();
        read.read = read_vector(*read.vectors, path);
    } else {
        read.scalars = std::make_unique<ScalarSlot>();
        read.read = read_scalar(*read.scalars, path);
    }
    return read.read;
}

bool FollowEngine::stage_reloads(const std::vector<FollowWindow>& windows, std::vector<StagedRead>& staged,
                                 QString& unfinished) {
    const FieldStore& store = ws_.store;
    for (const FollowWindow& window : windows) {
        const View_Info& view = ws_.views.at(window.slot);
        const ViewFields fields = view_fields(store, view);
        if (!is_data_view(view) || !fields.current_data_valid()) continue;
        const bool known = std::any_of(staged.begin(), staged.end(), [&](const StagedRead& read) {
            return read.file_type == view.FileType && read.data_slot == fields.data_slot;
        });
        const QString path = file_of_view(window.slot);
        if (known || path.isEmpty()) continue;
        if (!ReloadViewFile(window.slot, path, staged.emplace_back()).complete()) {
            unfinished = path;
            break;
        }
    }
    return unfinished.isEmpty();
}

void FollowEngine::commit(std::vector<StagedRead>& staged) {
    FieldStore& store = ws_.store;
    for (StagedRead& read : staged) {
        if (read.vectors) {
            VectorSlot& slot = store.vector_data.at(read.data_slot);
            slot.u = std::move(read.vectors->u);
            slot.v = std::move(read.vectors->v);
        } else {
            store.scalar_data.at(read.data_slot).value = std::move(read.scalars->value);
        }
        record_header(store, read.read);
    }
}

std::vector<RenderResult> FollowEngine::draw_windows(const std::vector<FollowWindow>& windows) {
    std::vector<LayoutChoice> layouts;
    layouts.reserve(windows.size());
    for (const FollowWindow& window : windows) layouts.push_back(ws_.layout_of(window.slot));
    // Each window draws its own view into its own picture, and drawing only
    // reads the store: the windows are drawn side by side.
    std::vector<RenderResult> drawn(windows.size());
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        NoProgress progress;
        NoStatusBoxes status;
        for (std::size_t n = next++; n < windows.size(); n = next++) {
            drawn[n] = render_view(ws_.store, ws_.views.at(windows[n].slot), layouts[n], *windows[n].picture, progress,
                                   status);
        }
    };
    const auto cores = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    run_on_threads(std::clamp(static_cast<int>(windows.size()), 1, cores), work);
    return drawn;
}

void FollowEngine::FollowRedraw(const FollowWindow& window, const RenderResult& drawn, FollowCheck& check,
                                const QDateTime& time) {
    ws_.layout_log.append(drawn.layout_log);
    if (!drawn.ok()) {
        check.failures.push_back({FollowFailure::Kind::NotDrawn, ws_.views.at(window.slot).Caption, drawn.reason});
        return;
    }
    if (!is_data_view(ws_.views.at(window.slot)) || (!settings_.auto_bitmap && !settings_.movie)) return;
    // The label goes on the saved picture only: the window keeps its plot.
    const QImage picture = settings_.labelled
                               ? with_frame_label(*window.picture, update_label(follow_bitmap_number_, time))
                               : *window.picture;
    if (settings_.auto_bitmap) SaveNumberedBitmap(window.slot, picture, check);
    if (settings_.movie) AddVideoFrame(window.slot, picture, check);
}

// Each frame is finished in the file as it comes: the video plays at every
// moment, and following that is killed leaves the frames so far.
void FollowEngine::AddVideoFrame(int slot, const QImage& picture, FollowCheck& check) {
    std::unique_ptr<VideoWriter>& video = videos_[slot];
    if (!video) {
        video = std::make_unique<VideoWriter>(follow_video_name(ws_, slot, settings_.save_folder),
                                              VideoSettings{settings_.movie_fps, VideoColour::Standard, true});
    }
    const WriteResult added = video->add_frame(picture);
    if (added.ok) {
        if (!check.saved.contains(video->path())) check.saved.push_back(video->path());
    } else {
        check.failures.push_back({FollowFailure::Kind::NotSaved, video->path(), added.error});
    }
}

void FollowEngine::SaveNumberedBitmap(int slot, const QImage& picture, FollowCheck& check) {
    const QString path =
        numbered_bitmap_name(ws_, slot, follow_bitmap_number_, settings_.save_folder, settings_.format);
    const WriteResult written = save_series_picture(picture, path, settings_.format);
    if (written.ok) {
        check.saved.push_back(path);
    } else {
        check.failures.push_back({FollowFailure::Kind::NotSaved, path, written.error});
    }
}

// One line a failure: the time, the view or bitmap, and why. A log that
// cannot be written loses nothing the window does not show.
void FollowEngine::log_failures(const std::vector<FollowFailure>& failures) const {
    if (failures.empty() || (!settings_.auto_bitmap && !settings_.movie)) return;
    QFile log(QDir(settings_.save_folder).filePath(QString::fromLatin1(kFollowLogName)));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text)) return;
    const QString now = QDateTime::currentDateTime().toString(Qt::ISODate);
    for (const FollowFailure& failure : failures) {
        log.write((now + u'\t' + failure.name + u'\t' + failure.reason + u'\n').toUtf8());
    }
}

}  // namespace ruvo
