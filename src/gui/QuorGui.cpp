// QuorGui.cpp: placeholder translation unit so the library always has a source.
namespace quor::gui {
int GuiLibraryVersion() { return 1; }
}
