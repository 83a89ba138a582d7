#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <QtConcurrent/QtConcurrentRun>
#include <atomic>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace quirvo {

// Runs one kind of engine work off the interface thread, each run with a
// stop flag of its own. A new start asks the run under way to stop, and only
// the newest run's answer reaches `done`, on the interface thread; so an
// answer that arrives is always the answer to the latest request. No run
// outlives the job: the destructor stops them all and waits.
template <typename Answer>
class EngineJob : public QObject {
public:
    using StopFlag = std::atomic<bool>;
    using Work = std::function<Answer(const StopFlag& stop)>;
    using Done = std::function<void(Answer)>;

    explicit EngineJob(Done done, QObject* parent = nullptr) : QObject(parent), done_(std::move(done)) {}
    ~EngineJob() override {
        for (Run& run : runs_) run.stop->store(true);
        for (Run& run : runs_) run.watcher->waitForFinished();
    }

    void start(Work work) {
        stop();
        auto flag = std::make_shared<StopFlag>(false);
        auto* watcher = new QFutureWatcher<Answer>(this);
        const unsigned id = ++latest_;
        QObject::connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, id] { finished(watcher, id); });
        watcher->setFuture(QtConcurrent::run([work = std::move(work), flag] { return work(*flag); }));
        runs_.push_back({flag, watcher, id});
    }

    // Asks the newest run to stop; its answer (a stopped one) still comes.
    void stop() {
        if (!runs_.empty()) runs_.back().stop->store(true);
    }
    // Stops the newest run and forgets it: no answer will come.
    void discard() {
        stop();
        ++latest_;
    }
    bool running() const { return !runs_.empty() && runs_.back().id == latest_; }

private:
    struct Run {
        std::shared_ptr<StopFlag> stop;
        QFutureWatcher<Answer>* watcher;
        unsigned id = 0;
    };

    void finished(QFutureWatcher<Answer>* watcher, unsigned id) {
        std::erase_if(runs_, [watcher](const Run& run) { return run.watcher == watcher; });
        watcher->deleteLater();
        if (id == latest_) done_(watcher->result());
    }

    Done done_;
    std::vector<Run> runs_;
    unsigned latest_ = 0;
};

}  // namespace quirvo
