import QtQuick
import QtQuick.Layouts
import "qrc:/qml"

Rectangle {
    color: "#e8e6e7"

    ColumnLayout {
        anchors.fill: parent
        anchors.margins: 24
        anchors.topMargin: 12
        spacing: 6

        UpdaterHeader {}
        CustomRow {
            text: "No Updates are Available\nYou Have the Current Version"
        }
        Item {
            Layout.preferredHeight: 22
            Layout.fillHeight: true
        }
        DoNotShowWindowAgain {}
    }
}
