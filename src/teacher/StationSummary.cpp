#include "teacher/StationSummary.h"

namespace vq {

void CountFromBill(StationSummary& summary) {
    const Bill& bill = summary.bill;
    summary.mailsSent = bill.CountOf(u"メール送信") + bill.CountOf(u"写真つきメール送信");
    summary.mailsReceived = bill.CountOf(u"メール受信") + bill.CountOf(u"写真つきメール受信");
    summary.riskClicks = bill.CountOf(u"アダルトサイト") + bill.CountOf(u"出会い系サイト") + bill.CountOf(u"無料会員登録");
}

} // namespace vq
