// Anchor of the resource library: pictures and help pages live in its resources.
namespace solenorium_ui_anchor {
int anchor = 0;
}
