#include "desktop/phone/ModelTimers.h"

namespace vq {
namespace {

void Follow(QTimer& timer, const Timer& model) {
    if (timer.interval() != model.Interval) timer.setInterval(model.Interval);
    if (model.Enabled && !timer.isActive()) timer.start();
    if (!model.Enabled && timer.isActive()) timer.stop();
}

} // namespace

ModelTimers::ModelTimers(std::function<void(int)> tick, QObject* parent) : QObject(parent) {
    for (int n = 1; n <= 3; ++n) {
        QTimer& timer = timers_.at(static_cast<std::size_t>(n - 1));
        timer.setTimerType(Qt::PreciseTimer); // the arrival shake ticks every 30 ms
        connect(&timer, &QTimer::timeout, this, [tick, n] { tick(n); });
    }
}

void ModelTimers::Mirror(const PhoneWindow& window) {
    Follow(timers_[0], window.Timer1);
    Follow(timers_[1], window.Timer2);
    Follow(timers_[2], window.Timer3);
}

} // namespace vq
