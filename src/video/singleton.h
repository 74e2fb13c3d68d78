#pragma once

// A process-wide object made on first use and kept until the process ends. The first call must
// come from one thread (the program's start-up on the GUI thread); later calls only read the
// pointer, so any thread may make them.
template <typename T>
class Singleton
{
public:
    static T *getInstance()
    {
        if (!s_instance)
            s_instance = new T;
        return s_instance;
    }

protected:
    Singleton() = default;
    virtual ~Singleton() = default;
    Singleton(const Singleton &) = delete;
    Singleton &operator=(const Singleton &) = delete;

private:
    static inline T *s_instance = nullptr;
};
