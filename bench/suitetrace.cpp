// What makes radod-panels-bench out of the suite's start-up (main.cpp): the
// instrument manager is set to the design under test (RADOD_PLAIN_MANAGER=1:
// the plain one) and, when RADOD_BENCH_TRACE is set, what it announces is
// recorded in the timing trace (benchtrace.h).
#include "benchtrace.h"
#include "instrumentmanager.h"

#include <QCoreApplication>
#include <QQuickWidget>

namespace {

// Turns the manager's announcements into trace events. Everything runs on the
// GUI thread and nothing nests, so one start time of each kind is enough.
class ManagerProbe : public QObject
{
public:
    explicit ManagerProbe(InstrumentManager *manager) : QObject(manager)
    {
        connect(manager, &InstrumentManager::notificationReceived, this, [this](const QString &path) {
            m_notified = BenchTrace::now();
            BenchTrace::record(BenchTrace::Notify, BenchTrace::fileOf(path), -1, m_notified);
        });
        connect(manager, &InstrumentManager::notificationHandled, this, [this](const QString &path) {
            BenchTrace::record(BenchTrace::Handled, BenchTrace::fileOf(path), -1, m_notified, BenchTrace::now());
        });
        connect(manager, &InstrumentManager::readStarted, this, [this] { m_readStart = BenchTrace::now(); });
        connect(manager, &InstrumentManager::readFinished, this, [this](const QString &path, const QString &text) {
            BenchTrace::record(BenchTrace::Read, BenchTrace::fileOf(path), -1, m_readStart, BenchTrace::now(),
                               BenchTrace::textHash(text), text.size());
        });
        connect(manager, &InstrumentManager::pushStarted, this, [this] { m_pushStart = BenchTrace::now(); });
        connect(manager, &InstrumentManager::pushFinished, this,
                [this](QObject *recipient, const QString &property, const QString &text) {
                    BenchTrace::pushed(recipient, property, text, m_pushStart);
                });
        connect(manager, &InstrumentManager::pushSkipped, this, &BenchTrace::skipped);
        connect(manager, &InstrumentManager::windowRegistered, this, &BenchTrace::watchWindow);
    }

private:
    qint64 m_notified = 0;
    qint64 m_readStart = 0;
    qint64 m_pushStart = 0;
};

void attach(InstrumentManager *manager)
{
    const bool plain = qgetenv("RADOD_PLAIN_MANAGER") == "1";
    manager->setPlain(plain);
    BenchTrace::setManagerMode(plain ? QStringLiteral("plain") : QStringLiteral("ours"));
    if (BenchTrace::enabled())
        new ManagerProbe(manager); // a child of the manager
}

void install()
{
    InstrumentManager::setCreationHook(&attach);
}

} // namespace

// Before main.cpp creates its manager: when the application object is.
Q_COREAPP_STARTUP_FUNCTION(install)
