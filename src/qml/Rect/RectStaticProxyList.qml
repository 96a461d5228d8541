import QtQuick 2.15
import "../Style"

// The Static ISP page: the user's static exits. The service answers with the whole list, so
// the page never asks for further pages.
ProxyListPage {
    id: staticList

    // The empty-list notice; empty until a request found nothing.
    property string textEmptyDefault: ""

    nOrigin: 10
    nPlan: globleParam.nMealStaticType
    nComboCountry: 2
    bPaging: false
    bStaticPage: true
    bOuterLabels: true
    requestList: function (nValue) { curlRecv.pushGetStaticLineList(nValue) }
    listAnswered: function (bEmpty) { if (bEmpty) textEmptyDefault = strNothingFound }
    listCleared: function () { textEmptyDefault = "" }

    Text {
        objectName: "emptyText"
        textFormat: Text.PlainText
        text: staticList.strRefusal || staticList.textEmptyDefault
        color: "#8C92AC"
        font.family: Theme.fontFamily
        font.pixelSize: 14 * staticList.dp
    }
}
