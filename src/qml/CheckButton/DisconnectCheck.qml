import QtQuick 2.15
import QtQuick.Controls 2.15
import "../Style"

// A device's connect switch: on while its proxy runs. Disabled (greyed) while the device is
// off line.
SwitchCheck {
    id: toggle

    KitToolTip {
        visible: toggle.hovered && toggle.enabled
        text: (toggle.checked ? qsTr("Click to disconnect") : qsTr("Click to connect"))
              + Theme.emptyString
    }
}
