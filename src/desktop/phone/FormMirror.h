#pragma once

#include <QObject>
#include <QPointer>
#include <QVariant>

#include <optional>
#include <string>
#include <vector>

class QWebEnginePage;

namespace vq {

// The element values of the first form of the page the view shows, kept here so that the core can
// read them at any moment, also inside an event that did not come from the page. The page reports
// them when it has loaded and whenever the pupil types or chooses something; the view asks for them
// afresh before it hands a pupil's navigation to the core.
class FormMirror final : public QObject {
    Q_OBJECT
public:
    explicit FormMirror(QObject* parent = nullptr) : QObject(parent) {}

    // Installs the reporting script into every document the page loads.
    void Install(QWebEnginePage& page);
    // A script whose result is the values (a list of strings), or null when the page has no form.
    static QString ReadScript();
    // Takes the result of ReadScript; an invalid result (the page went away meanwhile) changes nothing.
    void Take(const QVariant& result);
    void Forget() { values_.reset(); }

    // Element k's value; throws PlatformError when there is no form or no element k.
    [[nodiscard]] std::u16string Value(int k) const;

    // Called by the page's script: the document at href now has these values.
    Q_INVOKABLE void report(const QString& href, const QVariant& values);

private:
    QPointer<QWebEnginePage> page_;
    std::optional<std::vector<std::u16string>> values_;
};

} // namespace vq
