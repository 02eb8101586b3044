"""An xmlrpc.client transport that keeps the server's session cookie, the way
the poker client's cookie jar does. Shared by the pokerd tests and benchmarks."""
import xmlrpc.client


class CookieTransport(xmlrpc.client.Transport):
    def __init__(self):
        super().__init__()
        self.cookie = None

    def send_headers(self, connection, headers):
        if self.cookie:
            connection.putheader("Cookie", self.cookie)
        super().send_headers(connection, headers)

    def parse_response(self, response):
        cookie = response.getheader("Set-Cookie")
        if cookie:
            self.cookie = cookie.split(";")[0]
        return super().parse_response(response)
