# Stands in for the video site: a bare video ID is extracted from the test's local
# server, which answers /watch/<id> with the video's info.
import os

from yt_dlp.extractor.common import InfoExtractor


class ClipmoorTestSiteIE(InfoExtractor):
    IE_NAME = 'clipmoortestsite'
    _VALID_URL = r'(?P<id>[0-9A-Za-z_-]{11})$'

    def _real_extract(self, url):
        video_id = self._match_id(url)
        site = os.environ['CLIPMOOR_TEST_SITE']
        return self._download_json(f'{site}/watch/{video_id}', video_id)
