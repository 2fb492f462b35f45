#pragma once

class QCoreApplication;

namespace vq {

// Qt's own texts (file dialogs, the buttons of message boxes, the browser's error page) in the
// pupils' and teachers' language, where Debian's Qt translations are installed; the default locale
// becomes Japanese either way.
void UseJapaneseTexts(QCoreApplication& app);

} // namespace vq
