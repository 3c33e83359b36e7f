import QtQuick
import QtQuick.Controls
import QtQuick.Layouts

RowLayout {
    Layout.alignment: Qt.AlignHCenter

    CheckBox {
        objectName: "skipBox"
        checked: updater ? !updater.shouldShowUpdateWindow() : false
        onCheckedChanged: updater.skipUpdateWindow = checked
    }
    Label {
        text: "Do Not Show This Update Window Again for 2 Weeks"
        font.pixelSize: 11
        font.italic: true
        color: "black"
    }
}
