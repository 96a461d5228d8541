import QtQuick 2.15
import QtQuick.Controls 2.15

// The kit's tool tip. Its text often comes from the service, the engine or the user, so it is
// drawn as plain text: markup shows as typed and no picture it names is loaded.
ToolTip {
    id: tip
    objectName: "kitToolTip"
    delay: 500

    contentItem: Text {
        objectName: "kitToolTipText"
        text: tip.text
        textFormat: Text.PlainText
        font: tip.font
        wrapMode: Text.Wrap
        color: tip.palette.toolTipText
    }
}
