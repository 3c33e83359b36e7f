import QtQuick
import QtQuick.Layouts
import UpdaterLib

ColumnLayout {
    id: header

    required property WindowController controller

    Layout.alignment: Qt.AlignHCenter
    Layout.fillWidth: true

    CustomRow {
        text: header.controller.appName
        font.pixelSize: 20
        font.italic: false
    }
    CustomRow {
        text: qsTr("(curr. version: %1)").arg(header.controller.appVersion)
        font.pixelSize: 11
        font.bold: false
    }
    Item {
        Layout.preferredHeight: 11
        Layout.fillHeight: true
    }
}
