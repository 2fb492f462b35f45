#pragma once

#include "platform/ErrorReporter.h"

#include <QPointer>
#include <QWidget>

namespace vq {

// Shows each error in a message box that does not stop the phone: timers and pages go on while it is
// open, as they would in the middle of a lesson. The box belongs to the phone window once it is given,
// so that it opens over the phone, never behind it.
class MessageBoxErrorReporter final : public ErrorReporter {
public:
    void SetOwner(QWidget* window) { owner_ = window; }
    void Report(const std::string& utf8Message) override;

private:
    QPointer<QWidget> owner_;
};

} // namespace vq
