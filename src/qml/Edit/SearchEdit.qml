import QtQuick 2.15

// A one-line field with a hint.
FieldBox {
}
