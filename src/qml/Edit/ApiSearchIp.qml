import QtQuick 2.15

// A one-line search field (API page).
FieldBox {
    property string textDefault: ""

    inputDefaultText: textDefault
}
