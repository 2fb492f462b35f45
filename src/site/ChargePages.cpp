#include "site/ChargePages.h"

#include "platform/Files.h"
#include "platform/Text.h"
#include "site/ActivityLog.h"
#include "site/ChargeTable.h"
#include "site/PageBuilder.h"
#include "shell/Phone.h"

namespace vq {

void ShowChargePage(Phone& phone, const std::string&) {
    LoadTemplate(phone, "price/price.html");
    ReplaceMarker(phone, kMainMarker, ToNarrow(ChargeTableHtml(BillOf(ReadLines(ActivityLogPath(phone))))));
    ShowResultPage(phone, "price/tmp" + phone.StationName + "price.html");
}

void ShowPhoneNumberPage(Phone& phone, const std::string&) {
    ShowFilledPage(phone, "number/number.html", phone.StationAddress,
                   "number/tmp" + phone.StationName + "number.html");
}

} // namespace vq
