pragma Singleton
import QtQuick 2.15

// Stands in for the picture store: it holds the activity picture.
Recorder {
    function getQmlObjByKey(qstrKey, nValue) {
        record("getQmlObjByKey", arguments)
        return { qstrLocalUrl: "", qstrHkLocalUrl: "", qstrJumpUrl: "", qstrJumpHkUrl: "" }
    }
}
