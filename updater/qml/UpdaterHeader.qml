import QtQuick
import QtQuick.Layouts
import "qrc:/qml"

ColumnLayout {
    Layout.alignment: Qt.AlignHCenter
    Layout.fillWidth: true

    CustomRow {
        text: appName
        font.pixelSize: 20
        font.italic: false
    }
    CustomRow {
        text: "(curr. version: " + appVers + ")"
        font.pixelSize: 11
        font.bold: false
    }
    Item {
        Layout.preferredHeight: 11
        Layout.fillHeight: true
    }
}
