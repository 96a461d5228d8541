import QtQuick 2.15

// The registration form's field: as the sign-in field, without icon or length limit.
EditLogin {
    nMaxLength: 32767
}
