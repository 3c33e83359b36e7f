import QtQuick
import QtQuick.Layouts
import UpdaterLib

Rectangle {
    id: view

    required property WindowController controller

    color: "#e8e6e7"
    implicitHeight: column.Layout.minimumHeight + column.anchors.topMargin
                    + column.anchors.bottomMargin

    ColumnLayout {
        id: column
        anchors.fill: parent
        anchors.margins: 24
        anchors.topMargin: 12
        spacing: 6

        UpdaterHeader {
            controller: view.controller
        }
        CustomRow {
            text: qsTr("No Updates are Available\nYou Have the Current Version")
        }
        Item {
            Layout.preferredHeight: 22
            Layout.fillHeight: true
        }
        DoNotShowWindowAgain {
            controller: view.controller
        }
    }
}
