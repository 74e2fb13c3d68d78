#pragma once

#include <functional>
#include <memory>

class QDBusUnixFileDescriptor;

// Keeps the system from going to sleep or idling away while a disc is written: a sleep that
// comes in the middle of a write spoils the disc.
class SleepInhibitor
{
public:
    virtual ~SleepInhibitor() = default;

    virtual void take() = 0;
    virtual void release() = 0;

    // The inhibitor a burn uses: the one made by the factory set, else a LogindSleepInhibitor.
    static std::unique_ptr<SleepInhibitor> create();
    // Replaces the factory (tests put a stand-in here) and returns the previous one; an empty
    // factory restores the default.
    using Factory = std::function<std::unique_ptr<SleepInhibitor>()>;
    static Factory setFactory(Factory factory);
};

// Takes a "sleep:idle" inhibitor lock from systemd-logind over the system bus and holds it until
// release(). Where there is no system bus or no logind, it does nothing: the write goes ahead.
class LogindSleepInhibitor : public SleepInhibitor
{
public:
    LogindSleepInhibitor();
    ~LogindSleepInhibitor() override;

    void take() override;
    void release() override;
    bool isHeld() const;

private:
    std::unique_ptr<QDBusUnixFileDescriptor> m_lock; // logind keeps the inhibitor while it is open
};

// Holds an inhibitor for as long as it lives.
class KeepAwake
{
public:
    KeepAwake()
        : m_inhibitor(SleepInhibitor::create())
    {
        m_inhibitor->take();
    }
    ~KeepAwake() { m_inhibitor->release(); }
    KeepAwake(const KeepAwake &) = delete;
    KeepAwake &operator=(const KeepAwake &) = delete;

private:
    std::unique_ptr<SleepInhibitor> m_inhibitor;
};
