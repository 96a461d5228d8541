import QtQuick 2.15

// A row of the device line history; a line the service no longer has is highlighted.
LineRowBase {
    colorText: row !== null && row.nOnline === 0 ? "#E30B34" : "#042040"
}
