5
0, x
3, "quoted, with comma"
5, 
10, span
17, x
2
1, 1, 0, 
5, 1, 0, "quoted, with comma"

1
2.1e+11, span
2
8.5E-6, "quoted, with comma"
8.5E-6, x
4
1, 2
1, 2, span
2, 3, 1, 1, "quoted, with comma"
3, 4, 1, 1, "quoted, with comma"
4, 5, 1
1, x
3
4, 3, 10, -2, 0, 0.5, span
2
1, 2, -4, 0, 0.5, "quoted, with comma"
4, 1, 7, 5, 0.5, 0.25, 

2
4, 4, 3, x
3, -4
3, x
