#pragma once

#include "shell/PhoneWindow.h"

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>

namespace vq {

// The window's three timers, started, stopped and set by the core through its timer models.
class ModelTimers final : public QObject {
    Q_OBJECT
public:
    // tick(n) runs Timer<n>Timer on the core.
    ModelTimers(std::function<void(int timer)> tick, QObject* parent);
    void Mirror(const PhoneWindow& window);
    [[nodiscard]] const QTimer& At(int n) const { return timers_.at(static_cast<std::size_t>(n - 1)); }

private:
    std::array<QTimer, 3> timers_;
};

} // namespace vq
