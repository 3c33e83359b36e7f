import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import UpdaterLib

RowLayout {
    id: row

    required property WindowController controller

    Layout.alignment: Qt.AlignHCenter

    CheckBox {
        objectName: "skipBox"
        // Shows the stored skip; only the user's own click changes it.
        checked: row.controller.skipUpdateWindow
        onToggled: {
            row.controller.skipUpdateWindow = checked
            checked = Qt.binding(() => row.controller.skipUpdateWindow)
        }
    }
    Label {
        text: qsTr("Do Not Show This Update Window Again for 2 Weeks")
        font.pixelSize: 11
        font.italic: true
        color: "black"
    }
}
