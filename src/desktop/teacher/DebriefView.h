#pragma once

#include "desktop/teacher/ViewOptions.h"
#include "teacher/ClassroomFolder.h"

#include <QWidget>

class QTextBrowser;

namespace vq {

// ふりかえり: what the fake sites collected, in sentences and topic by topic.
class DebriefView final : public QWidget {
    Q_OBJECT
public:
    explicit DebriefView(QWidget* parent = nullptr);
    void Show(const ClassSnapshot& snapshot, const ViewOptions& options, const ClassroomFolder& folder);

private:
    QTextBrowser* text_;
    QString shown_;
};

} // namespace vq
