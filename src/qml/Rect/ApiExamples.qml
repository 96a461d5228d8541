import QtQuick 2.15
import "../Button"
import "../Style"

// The extraction page's examples of the engine's local API, then the errors the engine may
// answer with and what each means. A click on a block copies its address or explanation.
Column {
    id: examples

    // "http://<local address>:<API port>"
    property string strBase: ""

    signal copyClicked(string qstrText)
    // The country-code link in the errors' title.
    signal linkClicked()

    readonly property string strList: strBase + "/api/get_ip_list?num=1"
    readonly property var usages: [
        [QT_TR_NOOP("Use a random proxy from any country"), strList, "&country=all"],
        [QT_TR_NOOP("Use a random proxy from the United States"), strList, "&country=US"],
        [QT_TR_NOOP("Use a random proxy from US, state: NewYork"), strList, "&country=US&state=NewYork"],
        [QT_TR_NOOP("Use a random proxy from US, state: NewYork, city: New York"), strList,
         "&country=US&state=NewYork&city=newyork"],
        [QT_TR_NOOP("Use a random proxy zip code is 000"), strList, "&zip=000"],
        [QT_TR_NOOP("Use the proxy of the specified isp operator, such as 000"), strList, "&isp=000"],
        [QT_TR_NOOP("Use random proxy from port 40010"), strList, "&port=40010"],
        [QT_TR_NOOP("If you want to use a proxy with a specified IP segment, you can set it like this\uff1a"),
         strList, "&ip_part=71.183"],
        [QT_TR_NOOP("Port 40000 uses a US proxy, port 40001 uses a Japanese proxy, and port 40002 uses a UK proxy"),
         strBase + "/api/get_ip_list?", "ports=40000-US,40001-JP,40002-GB",
         QT_TR_NOOP("If you want different ports to use proxies from different countries, you can set it like this:")],
        [QT_TR_NOOP("Free the specified port, for example free 40000, 40001, 40002 ports"),
         strBase + "/api/port_free?", "free_port=40000,40001,40002",
         QT_TR_NOOP("If you want to free the port, you can use the free_port parameter: (Version 1.2.7 and above)")],
        [QT_TR_NOOP("Free all ports"), strBase + "/api/port_free?", "free_port=all"],
        [QT_TR_NOOP("The starting port is 30,000, and the number of ports is 10. (The quantity limit is 99)"),
         strBase + "/api/set_port_range?", "start_port=30000&port_num=10",
         QT_TR_NOOP("If you want to modify the number and range of the end mouth, you can operate this way. (Version 1.2.9 and above)")]
    ]
    readonly property var errors: [
        [QT_TR_NOOP("PARAMETER_ERROR_NUM"), QT_TR_NOOP("num parameter input error, please check")],
        [QT_TR_NOOP("PARAMETER_ERROR_IP_TIME"),
         QT_TR_NOOP("The ip_time parameter is entered incorrectly, please enter 1 or 2 or 3")],
        [QT_TR_NOOP("Error in initialization parameters:MacAdd"),
         QT_TR_NOOP("There is a problem with the client, please restart or reinstall")],
        [QT_TR_NOOP("Please set the allocation port first"), QT_TR_NOOP("No port set")],
        [QT_TR_NOOP("Up to 10 IP of this type can be extracted at a time"),
         QT_TR_NOOP("The number of fetches exceeds the upper limit, and the static plan can fetch up to 10 at a time")],
        [QT_TR_NOOP("The set port segment does not meet the extraction quantity"),
         QT_TR_NOOP("The number of extractions is too large, exceeding the set port range")],
        [QT_TR_NOOP("Port not enabled"), QT_TR_NOOP("The currently set port is not enabled")],
        [QT_TR_NOOP("Insufficient ip balance, please buy first"),
         QT_TR_NOOP("Account balance is exhausted, please recharge")],
        [QT_TR_NOOP("Failed to get IP, please try again later"),
         QT_TR_NOOP("The interface request failed, please check the network environment and try again")]
    ]

    spacing: 4 * Theme.dp

    Repeater {
        model: examples.usages
        ApiExplainButton {
            objectName: "apiExample" + index
            width: examples.width
            textTitle: modelData[3] ? qsTr(modelData[3]) + Theme.emptyString : ""
            textFirst: qsTr(modelData[0]) + Theme.emptyString
            textSecond: modelData[1]
            textThird: modelData[2]
            onCopyClicked: examples.copyClicked(qstrText)
        }
    }
    Repeater {
        model: examples.errors
        ApiExplainButton {
            objectName: "apiError" + index
            width: examples.width
            textTitle: index === 0 ? qsTr("If the proxy cannot be obtained through the API, the following errors may occur and the reasons:")
                                     + Theme.emptyString : ""
            textTitleSkip: index === 0 ? qsTr("country code") + Theme.emptyString : ""
            textFirst: qsTr(modelData[0]) + Theme.emptyString
            textSecond: qsTr(modelData[1]) + Theme.emptyString
            onCopyClicked: examples.copyClicked(qstrText)
            onTitleLinkClicked: examples.linkClicked()
        }
    }
}
