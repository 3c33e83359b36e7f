# Stands in for the video site: a bare video ID is extracted from the test's local
# server, which answers /watch/<id> with the video's info.
import os

from yt_dlp.extractor.common import InfoExtractor
from yt_dlp.utils import ExtractorError
from yt_dlp.version import __version__


def _release(version):
    return tuple(int(part) for part in version.split('.'))


class ClipmoorTestSiteIE(InfoExtractor):
    IE_NAME = 'clipmoortestsite'
    _VALID_URL = r'(?P<id>[0-9A-Za-z_-]{11})$'

    def _real_extract(self, url):
        video_id = self._match_id(url)
        site = os.environ['CLIPMOOR_TEST_SITE']
        info = self._download_json(f'{site}/watch/{video_id}', video_id)
        # The site's breakages, as a test switches them on: a change that only yt-dlp
        # from a given release on follows, and a refusal in the site's own words.
        needs = info.pop('clipmoor_needs', None)
        if needs and _release(__version__) < _release(needs):
            raise ExtractorError('Signature extraction failed: Some formats may be '
                                 'missing', expected=True)
        # A bot check that only the cookie of a signed-in browser passes.
        cookie = info.pop('clipmoor_cookie', None)
        if cookie:
            name, _, value = cookie.partition('=')
            sent = self._get_cookies(site).get(name)
            if sent is None or sent.value != value:
                raise ExtractorError('Sign in to confirm you’re not a bot. Use '
                                     '--cookies-from-browser or --cookies for the '
                                     'authentication.', expected=True)
        refusal = info.pop('clipmoor_error', None)
        if refusal:
            raise ExtractorError(refusal, expected=True)
        return info
