#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QImage>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

#include "automation/SeriesPictures.h"
#include "data/FieldStore.h"
#include "data/ResultReader.h"
#include "export/VideoWriter.h"

namespace ruvo {

struct RenderResult;
struct Workspace;

// The time follow mode measures its limit with: a monotonic clock in the
// program, one the tests move by hand.
class FollowClock {
public:
    virtual ~FollowClock() = default;
    virtual qint64 elapsed_ms() const = 0;  // since any fixed moment
};

class SteadyClock final : public FollowClock {
public:
    SteadyClock() { timer_.start(); }
    qint64 elapsed_ms() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

// The set-up dialog's entries; a text outside their limits (view/BarLimits.h)
// gives nothing.
std::optional<double> time_limit_entry(const QString& text);   // 0 < hours <= 720
std::optional<int> repeat_number_entry(const QString& text);   // 1 <= updates <= 1000
std::optional<double> repeat_time_entry(const QString& text);  // 0 < minutes <= 43
// The check interval that spreads `repeat_number` updates over `time_limit` hours.
double auto_repeat_time(double time_limit, int repeat_number);

struct FollowSettings {
    double repeat_time = 0.0;  // check interval, minutes
    double time_limit = 0.0;   // duration, hours
    int repeat_number = 0;     // updates after which following ends
    bool read_forced = false;  // reload at every check, whatever the stamps say
    bool auto_bitmap = false;  // save a numbered bitmap of every redrawn data view
    QString save_folder;       // where the numbered bitmaps go (Path_Sequential_Save)
    bool movie = false;        // add every redrawn data view to a video of its own there
    int movie_fps = kFramesPerSecondUpDown.start;
    PictureFormat format = PictureFormat::Bmp;  // of the numbered pictures
    bool labelled = false;  // the update's number and time written into each numbered picture and video frame
};

enum class FollowState { Idle, Waiting, Updating, Finished };

// A view window as follow mode sees it: its view slot and its picture.
struct FollowWindow {
    int slot = 0;
    QImage* picture = nullptr;
};

// A view that an update could not draw, or whose numbered bitmap it could not write.
struct FollowFailure {
    enum class Kind { NotDrawn, NotSaved };
    Kind kind = Kind::NotDrawn;
    QString name;    // the view's caption, or the bitmap's path
    QString reason;  // why the view was not drawn, or the system's reason
};

// The log of failed updates in the folder of the numbered bitmaps.
inline constexpr char kFollowLogName[] = "ruvo-follow.log";

// What one check of the follow timer did.
struct FollowCheck {
    enum class Result {
        Unchanged,     // not every result file was rewritten: nothing reloaded
        Updated,       // every view reloaded and redrawn
        StillWriting,  // a changed file has not settled, or reads short: nothing reloaded, checked again soon
        Finished,      // the count or time limit is reached
    };
    Result result = Result::Unchanged;
    int next_check_ms = 0;                // the follow timer's next interval
    QString unfinished_file;              // StillWriting: the file still being written
    QStringList saved;                    // the numbered bitmaps written
    std::vector<FollowFailure> failures;  // views not drawn or saved; following goes on
};

// A stamp of a result file: its modification time at the file system's full
// resolution and its size, so that a file rewritten within one tick of the
// file system's clock but cut at another length still reads as changed. A
// missing file stamps as -1.
struct FileStamp {
    qint64 modified = -1;
    qint64 size = -1;
    bool operator==(const FileStamp&) const = default;
};
FileStamp stamp_of(const QString& path);

// The numbered bitmap's file name of the view in `slot` at update `number`,
// joined to `folder` with the platform's separator; a PNG picture's name
// ends in ".png".
QString numbered_bitmap_name(const Workspace& ws, int slot, int number, const QString& folder,
                             PictureFormat format = PictureFormat::Bmp);
// The label of a numbered picture: the update's number, as in the picture's
// name, and the time of the update.
QString update_label(int number, const QDateTime& time);
// The video of a view's updates in `folder`: the view's kind and same-name
// number, as its bitmaps start ("Cnt0.mp4" beside "Cnt00001.bmp").
QString follow_video_name(const Workspace& ws, int slot, const QString& folder);

// Follow mode: watches the project's result files and, when every one of
// them was rewritten since the last update, reloads every view window's
// data, redraws it and optionally saves it as a numbered bitmap.
//
// A solver may be writing a file at any moment, in place and in pieces, so a
// file is read only once it has settled: its stamp has stayed the same over
// the settle interval (kSettleMs, or the check interval when shorter), and
// it reads whole, to the last node of its header and to the end of its last
// line. Until then the update waits and is tried again one settle interval
// later; nothing of it reaches a view or a picture. A solver's updates are
// therefore seen when it writes each file without pausing as long as the
// settle interval, and pauses at least that long between updates.
class FollowEngine {
public:
    static constexpr int kSettleMs = 1000;

    FollowEngine(Workspace& ws, const FollowClock& clock) : ws_(ws), clock_(clock) {}
    ~FollowEngine();
    FollowEngine(const FollowEngine&) = delete;
    FollowEngine& operator=(const FollowEngine&) = delete;

    // Idle or Finished or Waiting -> Waiting, with every counter reset and the stamps recorded.
    void start(const FollowSettings& settings);
    // Any state -> Idle.
    void stop();

    // One tick of the follow timer. `windows` are the open view windows from
    // the first opened to the last; `window_drawn(n)` runs after windows[n]
    // is redrawn, so that its window can show it and the screen stays alive.
    FollowCheck check(const std::vector<FollowWindow>& windows,
                      const std::function<void(std::size_t)>& window_drawn = {});
    // One second of the countdown; false once the time limit ends following.
    bool count_down();

    // The stamps of every project result file become the ones of the last update.
    void RecordFileAges();
    // True when every project vector and scalar file has a stamp other than
    // the one it had at the last update (or the start); notes the stamps seen.
    bool FilesChanged();

    FollowState state() const { return state_; }
    bool follow_active() const { return state_ != FollowState::Idle; }
    // The switches may change while following runs.
    FollowSettings& settings() { return settings_; }
    const FollowSettings& settings() const { return settings_; }
    int follow_tick_count() const { return follow_tick_count_; }
    int follow_countdown() const { return follow_countdown_; }
    int follow_bitmap_number() const { return follow_bitmap_number_; }
    int check_interval_ms() const;
    // How long a changed file's stamp must stay the same before it is read.
    int settle_ms() const;

private:
    struct StagedRead;
    // What follow mode knows of one watched file.
    struct WatchedFile {
        FileStamp reloaded;        // at the last update or the start
        FileStamp seen;            // at the last look
        qint64 seen_since_ms = 0;  // when `seen` was first seen
    };
    bool time_limit_reached() const;
    // Runs `visit(path, watched file)` on every project vector file, then
    // every scalar file, until one gives false; false then.
    template <class Visit>
    bool all_watched_files(Visit visit);
    // Looks at every watched file's stamp, noting when a new one is first seen.
    void look_at_files();
    // The first changed file whose stamp has not yet stayed for the settle interval; "" when none.
    QString unsettled_file();
    // The first file whose stamp is not the one last seen; "" when none.
    QString file_changed_since_seen();
    FollowCheck finish(FollowCheck check);
    FollowCheck still_writing(const QString& file);
    // Reads the file of every data view into a copy; all or nothing reach the store.
    bool stage_reloads(const std::vector<FollowWindow>& windows, std::vector<StagedRead>& staged, QString& unfinished);
    void commit(std::vector<StagedRead>& staged);
    // Draws every window's view, side by side on the machine's cores.
    std::vector<RenderResult> draw_windows(const std::vector<FollowWindow>& windows);
    // What became of one window's drawing: a failure, or a numbered bitmap when asked.
    // `time` is the update's, for the pictures' labels.
    void FollowRedraw(const FollowWindow& window, const RenderResult& drawn, FollowCheck& check, const QDateTime& time);
    // `picture` is the window's, labelled when asked.
    void SaveNumberedBitmap(int slot, const QImage& picture, FollowCheck& check);
    void AddVideoFrame(int slot, const QImage& picture, FollowCheck& check);
    // Finishes every video of the run; what cannot be finished goes into the log.
    void close_videos();
    // Appends the update's failures to the log beside the numbered bitmaps.
    void log_failures(const std::vector<FollowFailure>& failures) const;
    QString file_of_view(int slot) const;
    // Reads the file of the view in `slot` (activated) into `read`, not into the store.
    ReadResult ReloadViewFile(int slot, const QString& path, StagedRead& read);

    Workspace& ws_;
    const FollowClock& clock_;
    FollowSettings settings_;
    FollowState state_ = FollowState::Idle;
    qint64 started_ms_ = 0;
    int follow_tick_count_ = 0;
    int follow_countdown_ = 0;
    int follow_bitmap_number_ = 1;
    // The videos of this run of following, by view slot, each closed when following ends.
    std::map<int, std::unique_ptr<VideoWriter>> videos_;
    std::array<WatchedFile, kMaxSlots> vector_file_age_{};
    std::array<WatchedFile, kMaxSlots> scalar_file_age_{};
};

}  // namespace ruvo
