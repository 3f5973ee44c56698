#include "proc.h"

#include "writer.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <unistd.h>

ProcessSample sampleProcess(qint64 pid)
{
    ProcessSample sample;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return sample;
    const QByteArray line = stat.readAll();
    // Fields after the command name (which may hold spaces), from field 3 on.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13)
        return sample;
    const double tick = double(::sysconf(_SC_CLK_TCK));
    sample.cpuSeconds = (fields.at(11).toDouble() + fields.at(12).toDouble()) / tick; // utime, stime
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &row : status.readAll().split('\n')) {
            if (row.startsWith("VmRSS:"))
                sample.rssKb = row.mid(6).trimmed().split(' ').value(0).toLongLong();
        }
    }
    sample.ok = true;
    return sample;
}

SuiteProcess::SuiteProcess() = default;

SuiteProcess::~SuiteProcess()
{
    if (running())
        stop(5000);
}

bool SuiteProcess::start(const QString &program, const QProcessEnvironment &env, const QString &logPath)
{
    m_process = std::make_unique<QProcess>();
    m_process->setProcessEnvironment(env);
    m_process->setStandardOutputFile(logPath);
    m_process->setStandardErrorFile(logPath, QIODevice::Append);
    m_spawned = monotonicNs();
    m_process->start(program, {});
    return m_process->waitForStarted(10000);
}

qint64 SuiteProcess::pid() const
{
    return m_process ? m_process->processId() : 0;
}

bool SuiteProcess::running() const
{
    return m_process && m_process->state() != QProcess::NotRunning;
}

bool SuiteProcess::waitForFile(const QString &path, int timeoutMs) const
{
    const qint64 until = monotonicNs() + qint64(timeoutMs) * 1000000;
    while (monotonicNs() < until) {
        if (QFileInfo::exists(path))
            return true;
        if (!running())
            return false;
        QThread::msleep(20);
    }
    return false;
}

int SuiteProcess::stop(int graceMs)
{
    if (!m_process)
        return -1;
    const qint64 pid = m_process->processId();
    if (m_process->state() != QProcess::NotRunning && pid > 0) {
        ::kill(pid_t(pid), SIGTERM);
        if (!m_process->waitForFinished(graceMs)) {
            m_process->kill();
            m_process->waitForFinished(5000);
            return -1;
        }
    }
    return m_process->exitStatus() == QProcess::NormalExit ? m_process->exitCode() : -1;
}

VirtualDisplay::VirtualDisplay() = default;

VirtualDisplay::~VirtualDisplay()
{
    stop();
}

bool VirtualDisplay::available()
{
    return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty();
}

QString VirtualDisplay::start()
{
    m_process = std::make_unique<QProcess>();
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                                QStringLiteral("-screen"), QStringLiteral("0"),
                                                QStringLiteral("1920x1080x24"), QStringLiteral("-nolisten"),
                                                QStringLiteral("tcp")});
    if (!m_process->waitForStarted(10000))
        return QString();
    QByteArray number;
    const qint64 until = monotonicNs() + qint64(20000) * 1000000;
    while (!number.contains('\n') && monotonicNs() < until && m_process->state() == QProcess::Running) {
        m_process->waitForReadyRead(500);
        number += m_process->readAllStandardOutput();
    }
    number = number.trimmed();
    return number.isEmpty() ? QString() : QStringLiteral(":") + QString::fromLatin1(number);
}

void VirtualDisplay::stop()
{
    if (m_process && m_process->state() != QProcess::NotRunning) {
        m_process->terminate();
        if (!m_process->waitForFinished(5000))
            m_process->kill();
        m_process->waitForFinished(2000);
    }
    m_process.reset();
}
