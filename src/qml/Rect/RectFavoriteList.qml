import QtQuick 2.15
import "../Delegate"

// The Favorite List page: the starred exits, with their remarks.
HeldLinePage {
    id: heldPage

    function refreshFavoriteLine(nValue) { refreshLine(nValue) }

    nOrigin: 3
    nReloadType: 134
    nHeldRows: globleParam.nFavoriteDataNumbs
    imgEmptyHeld: "qrc:/image/favouritelist_empty_logo.png"
    textEmptyHeld: qsTr("Favouritelist is empty,") + globleParam.emptyString
    headTexts: [QT_TRANSLATE_NOOP("HeldLinePage", "ProxyIP"), QT_TRANSLATE_NOOP("HeldLinePage", "TimeType"),
                QT_TRANSLATE_NOOP("HeldLinePage", "Country"), QT_TRANSLATE_NOOP("HeldLinePage", "State"),
                QT_TRANSLATE_NOOP("HeldLinePage", "City"), QT_TRANSLATE_NOOP("HeldLinePage", "ZIP"),
                QT_TRANSLATE_NOOP("HeldLinePage", "ISP"), QT_TRANSLATE_NOOP("HeldLinePage", "Remark"),
                QT_TRANSLATE_NOOP("HeldLinePage", "Online"), ""]
    columnWeights: [12, 14, 8, 8, 8, 7, 10, 23, 6, 4]
    rowDelegate: Component {
        FavoriteLineModel {
            row: modelData
            listPage: heldPage
            nRowIndex: index
        }
    }
}
