import QtQuick 2.15

// A header cell whose text is never cut (Proxy List page).
ButtonListHead {
    bElide: false
}
