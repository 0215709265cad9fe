// Anchor of the platform library; the devices live in audio/ and mixer/.
