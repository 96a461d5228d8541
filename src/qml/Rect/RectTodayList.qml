import QtQuick 2.15
import "../Delegate"

// The Today List page: the exits bound today (static exits are never listed here).
HeldLinePage {
    id: heldPage

    function refreshTodayLine(nValue) { refreshLine(nValue) }

    nOrigin: 2
    nReloadType: 114
    nHeldRows: globleParam.nTodayDataNumbs
    imgEmptyHeld: "qrc:/image/todaylist_empty_logo.png"
    textEmptyHeld: qsTr("Todaylist is empty,") + globleParam.emptyString
    headTexts: [QT_TRANSLATE_NOOP("HeldLinePage", "ProxyIP"), QT_TRANSLATE_NOOP("HeldLinePage", "TimeType"),
                QT_TRANSLATE_NOOP("HeldLinePage", "Country"), QT_TRANSLATE_NOOP("HeldLinePage", "State"),
                QT_TRANSLATE_NOOP("HeldLinePage", "City"), QT_TRANSLATE_NOOP("HeldLinePage", "ZIP"),
                QT_TRANSLATE_NOOP("HeldLinePage", "ISP"), QT_TRANSLATE_NOOP("HeldLinePage", "Port"),
                QT_TRANSLATE_NOOP("HeldLinePage", "Buy Time"), QT_TRANSLATE_NOOP("HeldLinePage", "Online"), ""]
    columnWeights: [12, 14, 8, 8, 8, 7, 10, 7, 14, 6, 4]
    rowDelegate: Component {
        TodayLineModel {
            row: modelData
            listPage: heldPage
            nRowIndex: index
        }
    }
}
