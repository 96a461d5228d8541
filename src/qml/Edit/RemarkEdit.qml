import QtQuick 2.15

// A text area whose wrapping and alignment the owner sets (remark and redeem-code popups).
AreaBox {
}
