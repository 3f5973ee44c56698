#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QtGlobal>

#include <memory>

class QProcess;

// CPU time and memory of a running process, from /proc.
struct ProcessSample
{
    double cpuSeconds = 0; // user + system, all threads
    qint64 rssKb = 0;      // resident set
    bool ok = false;
};
ProcessSample sampleProcess(qint64 pid);

// The suite as a child process: started with its own environment, stopped the
// way a user would end it (SIGTERM closes every window), output kept in a log.
class SuiteProcess
{
public:
    SuiteProcess();
    ~SuiteProcess();

    // Starts `program`; `spawned` is the monotonic time just before the start.
    bool start(const QString &program, const QProcessEnvironment &env, const QString &logPath);
    qint64 spawned() const { return m_spawned; }
    qint64 pid() const;
    bool running() const;
    // Waits until `path` exists or the process ends; false on timeout.
    bool waitForFile(const QString &path, int timeoutMs) const;
    // SIGTERM, then SIGKILL after `graceMs`; the exit code, or -1.
    int stop(int graceMs = 20000);

private:
    std::unique_ptr<QProcess> m_process;
    qint64 m_spawned = 0;
};

// An X server for the runs on the xcb platform (Xvfb -displayfd).
class VirtualDisplay
{
public:
    VirtualDisplay();
    ~VirtualDisplay();
    static bool available();
    // Starts a 1920x1080 screen; the display name (":N"), or empty.
    QString start();
    void stop();

private:
    std::unique_ptr<QProcess> m_process;
};
