import QtQuick 2.15
import "../Style"

// The sign-in field: at most `nMaxLength` characters, masked unless the owner sets
// `bshowpass`; Return or Enter clicks `loginbtn`. `imghead` is the icon before the text.
FieldBox {
    id: login

    property url imghead: ""
    property bool bshowpass: false
    property var loginbtn: null
    property color backcolor: "white"
    property color bordercolor: "#EBEDF4"
    property real bordersize: 1
    property int nMaxLength: 100

    inputDefaultText: qsTr("Password") + Theme.emptyString
    colorBackNor: backcolor
    colorBackFocus: backcolor
    nLeftPadding: head.visible ? 40 : 12
    backRect.border.width: bordersize
    backRect.border.color: editModel.activeFocus ? "#FF5C00" : bordercolor
    editModel.maximumLength: nMaxLength
    editModel.echoMode: bshowpass ? TextInput.Normal : TextInput.Password
    editModel.onAccepted: if (loginbtn) loginbtn.clicked()

    Image {
        id: head
        visible: login.imghead.toString() !== ""
        x: 12 * Theme.dp
        anchors.verticalCenter: parent.verticalCenter
        width: 18 * Theme.dp
        height: width
        source: login.imghead
    }
}
