import QtQuick 2.15

// A recording stand-in: every call lands in `calls` as [name, arguments...].
QtObject {
    property var calls: []

    function record(name, args) {
        calls = calls.concat([[name].concat(Array.prototype.slice.call(args))])
    }
    function called(name) {
        return calls.filter(function (call) { return call[0] === name })
    }
    function clear() { calls = [] }
}
