import QtQuick 2.15

// A one-line field (program and API pages).
FieldBox {
}
