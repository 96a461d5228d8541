import QtQuick 2.15
import QtQuick.Window 2.15
import "qrc:/Popup"

// The redeem window after the service refused a code.
Window {
    width: 960
    height: 640
    color: "#F4F6FB"

    QtObject {
        id: curlRecv
        signal signal_SetUiData(int nType, string qstrValue, int nValue)
        function pushUseCDK(qstrCdk) {}
    }
    QtObject {
        id: globleParam
        property string qstrCdkHelpUrl: ""
        property string qstrLangCode: "_en"
    }

    CdkPopup {
        id: popup
        service: curlRecv
        globals: globleParam
    }

    Component.onCompleted: {
        popup.signal_SetUiData(100, "QEL-7F3A-92C4-2024", 1)
        popup.confirm()
        popup.signal_SetUiData(166, "This CDKEY has already been used", 1002)
    }
}
