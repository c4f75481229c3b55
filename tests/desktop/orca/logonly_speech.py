"""A speech server for Orca that speaks nothing and never blocks, for the tests that run Orca on
a machine without sound. Orca itself writes every utterance to its debug log as
"SPEECH OUTPUT: '...'" before it hands the text to the server; Say All is the exception, so this
server logs each piece of it in the same form and reports it spoken at once, which lets Say All
run to its end."""
from gi.repository import GLib
from orca import debug, speechserver


class SpeechServer(speechserver.SpeechServer):
    _instance = None

    @staticmethod
    def getFactoryName():
        return "Log only"

    @staticmethod
    def getSpeechServers():
        return [SpeechServer.getSpeechServer()]

    @staticmethod
    def getSpeechServer(info=None):
        if SpeechServer._instance is None:
            SpeechServer._instance = SpeechServer()
        return SpeechServer._instance

    @staticmethod
    def shutdownActiveServers():
        pass

    def getInfo(self):
        return ["Log only", "logonly"]

    def getVoiceFamilies(self):
        return []

    def speak(self, text=None, acss=None, interrupt=True):
        pass

    def speakCharacter(self, character, acss=None):
        pass

    def speakKeyEvent(self, event, acss=None):
        pass

    def sayAll(self, utteranceIterator, progressCallback):
        def next_piece():
            try:
                context, _ = next(utteranceIterator)
            except StopIteration:
                return False
            debug.println(debug.LEVEL_INFO,
                          "SPEECH OUTPUT: '%s' (sayAll)" % context.utterance, True)
            context.currentOffset = context.endOffset
            progressCallback(context.copy(), speechserver.SayAllContext.COMPLETED)
            return True
        GLib.idle_add(next_piece)

    def stop(self):
        pass

    def shutdown(self):
        pass

    def reset(self, text=None, acss=None):
        pass

    def updateCapitalizationStyle(self):
        pass

    def updatePunctuationLevel(self):
        pass

    def increaseSpeechRate(self, step=5):
        pass

    def decreaseSpeechRate(self, step=5):
        pass

    def increaseSpeechPitch(self, step=0.5):
        pass

    def decreaseSpeechPitch(self, step=0.5):
        pass

    def increaseSpeechVolume(self, step=0.5):
        pass

    def decreaseSpeechVolume(self, step=0.5):
        pass
