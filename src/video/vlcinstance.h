#pragma once

#include <QStringList>

struct libvlc_instance_t;

// Owns the libvlc instance. When libvlc cannot start (missing plugins), the handle is null, a
// warning says so, and every media and player made from it stays inert.
class VLCInstance
{
public:
    explicit VLCInstance(const QStringList &arguments);
    ~VLCInstance();
    VLCInstance(const VLCInstance &) = delete;
    VLCInstance &operator=(const VLCInstance &) = delete;

    libvlc_instance_t *handle() const { return m_instance; }

private:
    libvlc_instance_t *m_instance = nullptr;
};
