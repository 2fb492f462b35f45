#include "desktop/phone/FormMirror.h"

#include "platform/PlatformError.h"
#include "desktop/phone/Addresses.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEnginePage>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>

namespace vq {
namespace {

// form.elements counts inputs, text areas, selections and buttons in document order, as the core's
// element numbers do; a select's value is its chosen option's.
constexpr char kFirstFormValues[] = R"JS(
function vqFirstFormValues() {
  var form = document.forms[0];
  if (!form) return null;
  var values = [];
  for (var i = 0; i < form.elements.length; ++i) {
    var v = form.elements[i].value;
    values.push(v === undefined || v === null ? '' : String(v));
  }
  return values;
}
)JS";

constexpr char kReportValues[] = R"JS(
new QWebChannel(qt.webChannelTransport, function (channel) {
  var mirror = channel.objects.vqForm;
  function report() { mirror.report(location.href, vqFirstFormValues()); }
  report();
  document.addEventListener('input', report, true);
  document.addEventListener('change', report, true);
});
)JS";

// The scripts run in their own world, apart from the page's scripts, which can neither see nor
// disturb them.
QWebEngineScript PageScript(const QString& name, const QString& source, QWebEngineScript::InjectionPoint point) {
    QWebEngineScript script;
    script.setName(name);
    script.setSourceCode(source);
    script.setInjectionPoint(point);
    script.setWorldId(QWebEngineScript::ApplicationWorld);
    script.setRunsOnSubFrames(false);
    return script;
}

QString WebChannelLibrary() {
    QFile library(QStringLiteral(":/qtwebchannel/qwebchannel.js"));
    if (!library.open(QIODevice::ReadOnly)) qFatal("The Qt WebChannel script is missing from this Qt installation");
    return QString::fromUtf8(library.readAll());
}

std::optional<std::vector<std::u16string>> ValuesFrom(const QVariant& result) {
    if (result.isNull() || !result.canConvert<QVariantList>()) return std::nullopt;
    std::vector<std::u16string> values;
    for (const QVariant& v : result.toList()) values.push_back(ToU16(v.toString()));
    return values;
}

} // namespace

void FormMirror::Install(QWebEnginePage& page) {
    page_ = &page;
    auto* channel = new QWebChannel(&page);
    channel->registerObject(QStringLiteral("vqForm"), this);
    page.setWebChannel(channel, QWebEngineScript::ApplicationWorld);
    page.scripts().insert(PageScript(QStringLiteral("vq-webchannel"), WebChannelLibrary(),
                                     QWebEngineScript::DocumentCreation));
    page.scripts().insert(PageScript(QStringLiteral("vq-form-mirror"),
                                     QString::fromLatin1(kFirstFormValues) + QString::fromLatin1(kReportValues),
                                     QWebEngineScript::DocumentReady));
}

QString FormMirror::ReadScript() {
    return QStringLiteral("(function () {") + QString::fromLatin1(kFirstFormValues) +
           QStringLiteral("return vqFirstFormValues(); })()");
}

void FormMirror::Take(const QVariant& result) {
    if (!result.isValid()) return;
    values_ = ValuesFrom(result);
}

void FormMirror::report(const QString& href, const QVariant& values) {
    // A document that is being replaced may still report; only the shown one counts.
    if (!page_ || !SameDocument(QUrl(href), page_->url())) return;
    values_ = ValuesFrom(values);
}

std::u16string FormMirror::Value(int k) const {
    if (!values_) throw PlatformError("表示中のページにフォームがありません");
    if (k < 0 || static_cast<std::size_t>(k) >= values_->size())
        throw PlatformError("フォームに " + std::to_string(k + 1) + " 番目の項目がありません");
    return (*values_)[static_cast<std::size_t>(k)];
}

} // namespace vq
