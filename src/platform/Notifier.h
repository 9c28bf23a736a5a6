#pragma once

#include <QString>

#include <functional>

namespace pelmo {

// Desktop notifications. Answers arrive later on the main thread; implementations never
// block it (a wedged notification server counts as a refusal).
class Notifier
{
public:
    virtual ~Notifier() = default;
    virtual void requestPermission(std::function<void(bool granted)> answer) = 0;
    virtual void post(const QString &title, const QString &body) = 0;
};

} // namespace pelmo
