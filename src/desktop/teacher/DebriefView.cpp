#include "desktop/teacher/DebriefView.h"

#include "desktop/teacher/ReportHtml.h"

#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace vq {

DebriefView::DebriefView(QWidget* parent) : QWidget(parent), text_(new QTextBrowser) {
    setObjectName(QStringLiteral("debriefView"));
    text_->setObjectName(QStringLiteral("debriefText"));
    text_->setOpenLinks(false);
    auto* hint = new QLabel(QStringLiteral("プロジェクターに映すときは、上の「名前を隠す」「入力内容を伏せる」を使ってください。"));
    hint->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(text_, 1);
}

void DebriefView::Show(const ClassSnapshot& snapshot, const ViewOptions& options, const ClassroomFolder& folder) {
    const QString html = DebriefHtml(snapshot, options, folder);
    // Set again only when it changed: setting the text scrolls back to the top.
    if (html == shown_) return;
    shown_ = html;
    const int scrolled = text_->verticalScrollBar()->value();
    text_->setHtml(html);
    text_->verticalScrollBar()->setValue(scrolled);
}

} // namespace vq
