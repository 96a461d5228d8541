import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A device's connect switch: on while its proxy runs. Disabled (greyed) while the device is
// off line.
SwitchCheck {
    ToolTip.visible: hovered && enabled
    ToolTip.delay: 500
    ToolTip.text: (checked ? qsTr("Click to disconnect") : qsTr("Click to connect")) + Theme.emptyString
}
