// Placeholder so that an OBJECT library without sources yet still builds.
