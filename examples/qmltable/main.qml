// The order window in QML: the live table model as a TableView (each cell's display text), and
// beside it a list whose delegate binds to the orders' fields by their role names.
import QtQuick
import QtQuick.Window

Window {
    width: 640
    height: 180
    visible: true
    color: "white"

    Row {
        anchors.fill: parent
        anchors.margins: 8
        spacing: 16

        TableView {
            objectName: "table"
            width: 420
            height: parent.height
            columnSpacing: 1
            rowSpacing: 1
            model: orders
            delegate: Rectangle {
                implicitWidth: 82
                implicitHeight: 24
                color: row % 2 ? "#eef2f6" : "#ffffff"
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    x: 4
                    text: display === undefined ? "" : display
                }
            }
        }

        ListView {
            objectName: "list"
            width: 180
            height: parent.height
            model: orders
            delegate: Text {
                text: Order_Id + ": " + Order_Quantity + " @ " + Order_LimitPrice
            }
        }
    }
}
